// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tools/scene.h"

#include <QByteArray>
#include <QString>

#include <vector>

// The 15-character answer line: X, Y and R, each as decimal text padded with
// spaces to five columns, or cut to five when longer.
QString formatAnswerLine(int x, int y, int r);

// The whole answer file: one answer line per circle, then the limit line;
// every line ends in CR LF.
QByteArray answerFileBytes(const std::vector<AnswerCircle> &circles, int limit);

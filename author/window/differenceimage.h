// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace Maker {

// Only what changed: black where A and B agree, the difference of each
// colour amplified where they do not, so a small change stands out.
QImage differenceImage(const QImage &a, const QImage &b);

} // namespace Maker

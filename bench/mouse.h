// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>

class QWidget;

namespace BenchMouse {
// A left click at pos: a press and a release event delivered to the widget
// through the application, as the window system hands them over.
void click(QWidget *widget, QPoint pos);
} // namespace BenchMouse

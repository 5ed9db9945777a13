#pragma once

#include <QPoint>

class QWidget;

namespace BenchMouse {
// A left click at pos: a press and a release event delivered to the widget
// through the application, as the window system hands them over.
void click(QWidget *widget, QPoint pos);
} // namespace BenchMouse

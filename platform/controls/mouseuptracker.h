// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <Qt>

class QMouseEvent;
class QWidget;

// Decides which button releases a control reports as mouse-up. A release of
// the left, right or middle button over the control counts; once the left
// button went down on the control it holds the mouse, so every release until
// the left one comes up counts even when the pointer has left the control.
class MouseUpTracker
{
public:
    // From mousePressEvent and mouseDoubleClickEvent.
    void press(const QMouseEvent &event);
    // From mouseReleaseEvent: true when the release is to be reported; then
    // *shift holds the shift state at the moment of the release.
    bool release(const QWidget &control, const QMouseEvent &event, int *shift);

private:
    bool m_leftHeld = false;
    Qt::MouseButton m_doubleClicked = Qt::NoButton;
};

// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/controls/mouseuptracker.h"

#include "platform/controls/shiftstate.h"

#include <QMouseEvent>
#include <QWidget>

void MouseUpTracker::press(const QMouseEvent &event)
{
    m_doubleClicked = event.type() == QEvent::MouseButtonDblClick ? event.button() : Qt::NoButton;
    if (event.button() == Qt::LeftButton)
        m_leftHeld = true;
}

bool MouseUpTracker::release(const QWidget &control, const QMouseEvent &event, int *shift)
{
    const Qt::MouseButton button = event.button();
    if (button != Qt::LeftButton && button != Qt::RightButton && button != Qt::MiddleButton)
        return false;
    const bool reported = m_leftHeld || control.rect().contains(event.position().toPoint());
    // The release that ends a double click still belongs to it.
    const bool doubleClick = m_doubleClicked == button;
    if (button == Qt::LeftButton)
        m_leftHeld = false;
    if (doubleClick)
        m_doubleClicked = Qt::NoButton;
    if (reported)
        *shift = shiftState(event.modifiers(), event.buttons(), doubleClick);
    return reported;
}

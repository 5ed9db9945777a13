// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/controls/shiftstate.h"

int shiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons held, bool doubleClick)
{
    int state = 0;
    if (modifiers & Qt::ShiftModifier)
        state |= ShiftFlag::Shift;
    if (modifiers & Qt::AltModifier)
        state |= ShiftFlag::Alt;
    if (modifiers & Qt::ControlModifier)
        state |= ShiftFlag::Ctrl;
    if (held & Qt::LeftButton)
        state |= ShiftFlag::Left;
    if (held & Qt::RightButton)
        state |= ShiftFlag::Right;
    if (held & Qt::MiddleButton)
        state |= ShiftFlag::Middle;
    if (doubleClick)
        state |= ShiftFlag::Double;
    return state;
}

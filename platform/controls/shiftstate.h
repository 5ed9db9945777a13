// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <Qt>

// The shift state handed to mouse-up handlers: a set of flags.
namespace ShiftFlag {
constexpr int Shift = 1;
constexpr int Alt = 2;
constexpr int Ctrl = 4;
constexpr int Left = 8;
constexpr int Right = 16;
constexpr int Middle = 32;
constexpr int Double = 64;
} // namespace ShiftFlag

// Keys and buttons held at the moment of the event. On a release, `held`
// no longer contains the button just released (QMouseEvent::buttons()).
int shiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons held, bool doubleClick);

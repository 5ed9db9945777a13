// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/answerlines.h"

#include <QRect>

#include <vector>

namespace Author {

// An answer circle on picture B, in pixels from its top-left corner.
struct Circle
{
    int x = 0;
    int y = 0;
    int r = 0;
    friend bool operator==(const Circle &, const Circle &) = default;
};

// Whether a click on the pixel (px, py) hits the circle, as the game decides.
inline bool hits(const Circle &circle, int px, int py)
{
    return HitsAnswerCircle(circle.x, circle.y, circle.r, px, py);
}

// Whether two circles share any part of the picture.
bool overlap(const Circle &a, const Circle &b);

} // namespace Author

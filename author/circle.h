// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rules/circles.h"

namespace Author {

// The author's tool speaks of the game's answer circles and decides hits and
// overlaps by the game's rules.
using Circle = AnswerCircle;

inline bool hits(const Circle &circle, int px, int py)
{
    return HitsAnswerCircle(circle.x, circle.y, circle.r, px, py);
}

inline bool overlap(const Circle &a, const Circle &b)
{
    return AnswerCirclesOverlap(a, b);
}

} // namespace Author

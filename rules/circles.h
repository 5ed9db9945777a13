// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// An answer circle on picture B, in pixels from its top-left corner.
struct AnswerCircle
{
    int x = 0;
    int y = 0;
    int r = 0;
    friend bool operator==(const AnswerCircle &, const AnswerCircle &) = default;
};

// The radii the answer-setting mode lets a circle take.
inline constexpr int SmallestRadius = 10;
inline constexpr int LargestRadius = 99;

// Whether a click on the pixel (px, py) finds the answer circle at (x, y) of
// radius r: its edge counts. In 64 bits, so no value a file holds overflows.
bool HitsAnswerCircle(qint32 x, qint32 y, qint32 r, qint32 px, qint32 py);

// Whether two circles may share a pixel, so that one click could find
// either. Touching circles count: the hit rule counts the edge, and where the
// two edges meet on a whole pixel, that pixel finds both.
bool AnswerCirclesOverlap(const AnswerCircle &a, const AnswerCircle &b);

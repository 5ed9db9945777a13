// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRectF>
#include <QSize>
#include <QTransform>

#include <vector>

// Pairs of photos as a parent takes them by hand: toys on a textured table
// under uneven light, a few of them moved, taken away, added or swapped for
// another colour between the shots, and the second shot turned, shifted,
// scaled, tilted and exposed a little differently, each with its own
// camera noise.
namespace HandHeldPairs {

// One difference: the circle around everything it touches, in photo A's pixels.
struct Truth
{
    double x = 0;
    double y = 0;
    double r = 0;
};

struct Pair
{
    QImage a;
    QImage b;
    QTransform aToB; // where each point of photo A lies in photo B
    std::vector<Truth> differences;
};

struct Shot
{
    double turnDegrees = 0; // up to 2 either way
    double shift = 0; // of the photo's size, up to 0.03
    double scale = 0; // up to 0.03 either way
    double tilt = 0; // perspective, up to 1e-5 per pixel of a 1000-pixel photo
    double exposure = 0; // gain of B over A, minus one
};

// A random hand-held second shot within the limits above, from the seed.
Shot randomShot(unsigned seed);

// A pair of that size; the differences lie well inside the middle square.
// `differences` 0 gives two shots of the same scene.
Pair make(QSize size, unsigned seed, const Shot &shot, int differences);

} // namespace HandHeldPairs

#pragma once

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

inline constexpr int MinRadius = 10;
inline constexpr int MaxRadius = 99;

// Whether a click on the pixel (px, py) hits the circle, as the game decides.
bool hits(const Circle &circle, int px, int py);

// Whether two circles share any part of the picture.
bool overlap(const Circle &a, const Circle &b);

} // namespace Author

// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "author/plantrandom.h"
#include "author/plantscene.h"

#include <opencv2/core.hpp>

namespace Author {

// One change made on a copy of picture A. Nothing is confined yet: the
// planter measures the result and keeps it only within its circle.
struct MadeChange
{
    cv::Mat picture; // A with the change, 8-bit BGR
    cv::Mat hole;    // full-size, 255 where a thing was taken away (empty if none)
    cv::Mat filled;  // the part of the hole that shows new ground, not a thing
    cv::Mat pasted;  // full-size, 255 where a thing was laid anew (empty if none)
};

// Each returns false when the change cannot be made there.

// The thing taken away; its place filled from the ground around it (smooth
// ground is inpainted, textured ground is patched from close by).
bool removeObject(const PlantScene &scene, const PlantObject &object, MadeChange &made);
// Its hue turned half-way round, lightness and texture kept; a grey thing
// made lighter or darker instead.
bool recolourObject(const PlantScene &scene, const PlantObject &object, PlantRandom &random, MadeChange &made);
// Turned over left to right or upside down, whichever changes more.
bool mirrorObject(const PlantScene &scene, const PlantObject &object, MadeChange &made);
// Made larger, or smaller when there is no room.
bool resizeObject(const PlantScene &scene, const PlantObject &object, PlantRandom &random, MadeChange &made);
// A second one of it on plain ground at `place`.
bool copyObject(const PlantScene &scene, const PlantObject &object, cv::Point place, MadeChange &made);
// A small shape in a colour that stands out, on plain ground at `place`.
bool addDetail(const PlantScene &scene, cv::Point place, int radius, PlantRandom &random, MadeChange &made);

} // namespace Author

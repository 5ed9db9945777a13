// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "author/circle.h"
#include "author/plantchanges.h"
#include "author/plantscene.h"

#include <opencv2/core.hpp>

#include <optional>

namespace Author {

// A colour difference (CIE Lab) a person sees at a glance.
inline constexpr double VisibleDifference = 10.0;
// New edge strength at the border of filled ground above which the fill shows.
inline constexpr double LargestSeam = 10.0;

// How a change looks once made.
struct ChangeLook
{
    Circle circle;     // holds every pixel the change touched
    int visible = 0;   // pixels whose colour a person sees change
    int parts = 0;     // separate patches of visible change
    double seam = 0;   // new edge strength where filled ground meets the old
};

// Nothing when the change touched no pixel.
std::optional<ChangeLook> lookAt(const PlantScene &scene, const MadeChange &made);

// Pixels of the circle whose colour differs visibly between two BGR pictures.
int visiblePixels(const cv::Mat &a, const cv::Mat &b, const Circle &circle);

} // namespace Author

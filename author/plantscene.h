// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include <opencv2/core.hpp>

#include <vector>

namespace Author {

// A thing in picture A that a difference can be made of: a patch of one
// colour, set off from what is around it, with its outline.
struct PlantObject
{
    cv::Rect box;           // the mask's place in the picture
    cv::Mat mask;           // box-sized, 255 on the object (its outline included)
    cv::Point2f centre;     // of the box
    float radius = 0;       // from the centre to its farthest pixel
    int area = 0;           // pixels of the mask
    double contrast = 0;    // colour difference (CIE Lab) to its surroundings
    double chroma = 0;      // how colourful it is; low for grey things
};

// Picture A read once for planting differences into it.
struct PlantScene
{
    cv::Mat bgr;      // A, 8-bit BGR
    cv::Mat lab;      // A in CIE Lab, floating point (L from 0 to 100)
    cv::Mat edges;    // edge strength of A's lightness, in grey levels per pixel
    cv::Mat skin;     // 255 where skin or a face may be, holes closed
    cv::Mat edgeSums; // running sums of edges and of skin, for plainPlace
    cv::Mat skinSums;
    std::vector<PlantObject> objects; // the most striking first
    int smallestChange = 0; // pixels a change must show at least
};

// The fewer the differences, the larger each must be for a young child.
int smallestChangeFor(int count);

PlantScene analyseForPlanting(const QImage &a, int count);

// Edge strength of a BGR picture's lightness, as in PlantScene::edges.
cv::Mat edgeStrength(const cv::Mat &bgr);

// Lab for an 8-bit BGR picture, as in PlantScene::lab, and back.
cv::Mat labOf(const cv::Mat &bgr);
cv::Mat bgrOf(const cv::Mat &lab);

// The skin-coloured parts of a BGR picture (YCrCb), widened and with the
// holes of a face (eyes, mouth) filled.
cv::Mat skinMask(const cv::Mat &bgr);

// Whether the circle (centre, radius) holds plain ground only: little edge
// strength, no skin, inside the picture by the margin.
bool plainPlace(const PlantScene &scene, cv::Point centre, int radius);

} // namespace Author

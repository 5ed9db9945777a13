// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "author/plantmeasure.h"

#include <opencv2/imgproc.hpp>

#include <cmath>

namespace Author {

namespace {

// Room left between the change and its circle's rim, for the outline a child
// aims at.
constexpr int CircleMargin = 2;
// Visible pixels this close together are one thing to a child (as the
// finder merges them), and a patch of fewer pixels is not seen on its own.
constexpr int MergeReach = 3;
constexpr int SmallestPart = 9;

cv::Mat visibleMask(const cv::Mat &labA, const cv::Mat &labB)
{
    cv::Mat difference = labA - labB;
    cv::Mat squared = difference.mul(difference);
    cv::Mat sum;
    cv::transform(squared, sum, cv::Matx13f(1, 1, 1));
    return sum > VisibleDifference * VisibleDifference;
}

// Where filled ground meets the picture it was not taken from: how much more
// edge strength it has there than the ground around has on average.
double seamOf(const PlantScene &scene, const MadeChange &made, const cv::Rect &box)
{
    if (made.filled.empty() || made.hole.empty())
        return 0;
    const cv::Rect around = cv::Rect(box.x - 8, box.y - 8, box.width + 16, box.height + 16)
        & cv::Rect(0, 0, scene.bgr.cols, scene.bgr.rows);
    const cv::Mat hole = made.hole(around);
    cv::Mat outside;
    cv::dilate(~hole, outside, cv::getStructuringElement(cv::MORPH_ELLIPSE, {5, 5}));
    cv::Mat border = made.filled(around) & outside;
    // The outline of a thing laid back in is its own, not a seam.
    if (!made.pasted.empty()) {
        cv::Mat thing;
        cv::dilate(made.pasted(around), thing, cv::getStructuringElement(cv::MORPH_ELLIPSE, {7, 7}));
        border &= ~thing;
    }
    if (cv::countNonZero(border) == 0)
        return 0;
    cv::Mat ring;
    cv::dilate(hole, ring, cv::getStructuringElement(cv::MORPH_ELLIPSE, {13, 13}));
    ring &= ~hole;
    const double ground = cv::mean(scene.edges(around), ring)[0];
    const cv::Mat edges = edgeStrength(made.picture(around));
    cv::Mat excess = cv::max(edges - ground, 0.0);
    return cv::mean(excess, border)[0];
}

} // namespace

std::optional<ChangeLook> lookAt(const PlantScene &scene, const MadeChange &made)
{
    cv::Mat difference;
    cv::absdiff(made.picture, scene.bgr, difference);
    cv::Mat any;
    cv::transform(difference, any, cv::Matx13f(1, 1, 1));
    std::vector<cv::Point> touched;
    cv::findNonZero(any, touched);
    if (touched.empty())
        return std::nullopt;
    const cv::Rect bounds = cv::boundingRect(touched);
    const cv::Point centre((bounds.x + bounds.br().x) / 2, (bounds.y + bounds.br().y) / 2);
    qint64 farthest = 0;
    for (const cv::Point &p : touched) {
        const qint64 dx = p.x - centre.x;
        const qint64 dy = p.y - centre.y;
        farthest = std::max(farthest, dx * dx + dy * dy);
    }
    int reach = int(std::sqrt(double(farthest)));
    while (qint64(reach) * reach < farthest)
        ++reach;

    ChangeLook look;
    look.circle = {centre.x, centre.y, std::max(SmallestRadius, reach + CircleMargin)};
    const cv::Mat visible = visibleMask(scene.lab(bounds), labOf(made.picture(bounds)));
    look.visible = cv::countNonZero(visible);
    cv::Mat merged;
    cv::dilate(visible, merged, cv::getStructuringElement(cv::MORPH_ELLIPSE, {2 * MergeReach + 1, 2 * MergeReach + 1}));
    cv::Mat labels;
    const int count = cv::connectedComponents(merged, labels, 8, CV_32S);
    std::vector<int> pixelsOf(std::size_t(count), 0);
    for (int y = 0; y < visible.rows; ++y)
        for (int x = 0; x < visible.cols; ++x)
            if (visible.at<uchar>(y, x))
                ++pixelsOf[std::size_t(labels.at<int>(y, x))];
    for (int label = 1; label < count; ++label)
        look.parts += pixelsOf[std::size_t(label)] >= SmallestPart ? 1 : 0;
    look.seam = seamOf(scene, made, bounds);
    return look;
}

int visiblePixels(const cv::Mat &a, const cv::Mat &b, const Circle &circle)
{
    const cv::Rect box = cv::Rect(circle.x - circle.r, circle.y - circle.r, 2 * circle.r + 1, 2 * circle.r + 1)
        & cv::Rect(0, 0, a.cols, a.rows);
    const cv::Mat visible = visibleMask(labOf(a(box)), labOf(b(box)));
    int count = 0;
    for (int y = 0; y < box.height; ++y)
        for (int x = 0; x < box.width; ++x)
            count += visible.at<uchar>(y, x) && hits(circle, box.x + x, box.y + y) ? 1 : 0;
    return count;
}

} // namespace Author

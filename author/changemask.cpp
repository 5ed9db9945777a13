// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "author/changemask.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <vector>

namespace Author {

namespace {

// Colour distances (CIE76) below this never count: far above what JPEG at
// quality 70 or a camera's gentle noise leaves outside the range of the neighbours, and
// far below a toy moved, taken away or painted another colour.
constexpr float LeastSureDistance = 11.0f;
// However noisy the pair, a plain change of colour still counts.
constexpr float MostSureDistance = 28.0f;

cv::Mat labOf(const cv::Mat &bgr)
{
    cv::Mat scaled;
    bgr.convertTo(scaled, CV_32F, 1.0 / 255.0);
    cv::GaussianBlur(scaled, scaled, cv::Size(3, 3), 0.8, 0.8, cv::BORDER_REPLICATE);
    cv::Mat lab;
    cv::cvtColor(scaled, lab, cv::COLOR_BGR2Lab);
    return lab;
}

// For each pixel of `to`, how far its colour lies outside the range of the
// 3 x 3 pixels around the same place in `from`, channel by channel: a colour
// blended from neighbours, as an edge moved by a fraction of a pixel gives,
// lies inside that range.
cv::Mat outsideDistance(const cv::Mat &to, const cv::Mat &from)
{
    cv::Mat lowest, highest;
    cv::erode(from, lowest, cv::Mat(), cv::Point(-1, -1), 1, cv::BORDER_REPLICATE);
    cv::dilate(from, highest, cv::Mat(), cv::Point(-1, -1), 1, cv::BORDER_REPLICATE);
    cv::Mat above, below;
    cv::subtract(to, highest, above);
    cv::subtract(lowest, to, below);
    cv::Mat outside = cv::max(above, 0.0f) + cv::max(below, 0.0f);
    cv::multiply(outside, outside, outside);
    cv::Mat distance;
    cv::transform(outside, distance, cv::Matx13f(1, 1, 1));
    cv::sqrt(distance, distance);
    return distance;
}

// The threshold for a sure change from the pair's noise: a change may cover
// most of the picture, so the noise is read low in the distribution.
float sureDistance(const cv::Mat &distance)
{
    std::vector<float> values;
    values.reserve(distance.total() / 16 + 1);
    for (int y = 0; y < distance.rows; y += 4) {
        const auto *row = distance.ptr<float>(y);
        for (int x = 0; x < distance.cols; x += 4)
            values.push_back(row[x]);
    }
    const auto quarter = values.begin() + std::ptrdiff_t(values.size() / 4);
    std::nth_element(values.begin(), quarter, values.end());
    return std::clamp(6.0f * *quarter + 6.0f, LeastSureDistance, MostSureDistance);
}

} // namespace

cv::Mat changedPixels(const cv::Mat &a, const cv::Mat &b)
{
    CV_Assert(a.size() == b.size() && a.type() == CV_8UC3 && b.type() == CV_8UC3);
    const cv::Mat labA = labOf(a);
    const cv::Mat labB = labOf(b);
    const cv::Mat distance = cv::max(outsideDistance(labB, labA), outsideDistance(labA, labB));
    const float sure = sureDistance(distance);

    cv::Mat seeds = distance >= sure;
    cv::erode(seeds, seeds, cv::Mat(), cv::Point(-1, -1), 1, cv::BORDER_REPLICATE);
    const cv::Mat weak = distance >= sure / 2;
    cv::Mat labels;
    const int count = cv::connectedComponents(weak, labels, 8, CV_32S);
    std::vector<uchar> seeded(std::size_t(count), 0);
    for (int y = 0; y < seeds.rows; ++y) {
        const uchar *seed = seeds.ptr<uchar>(y);
        const int *label = labels.ptr<int>(y);
        for (int x = 0; x < seeds.cols; ++x)
            if (seed[x])
                seeded[std::size_t(label[x])] = 1;
    }
    seeded[0] = 0;
    cv::Mat changed(a.size(), CV_8U);
    for (int y = 0; y < changed.rows; ++y) {
        const int *label = labels.ptr<int>(y);
        uchar *out = changed.ptr<uchar>(y);
        for (int x = 0; x < changed.cols; ++x)
            out[x] = seeded[std::size_t(label[x])] ? 255 : 0;
    }
    return changed;
}

} // namespace Author

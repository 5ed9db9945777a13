// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "author/exposure.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace Author {

namespace {

// About this many pixel pairs are enough for six numbers.
constexpr int WantedSamples = 40000;
constexpr int Rounds = 4;

struct Line
{
    double gain = 1;
    double offset = 0;
};

struct Samples
{
    std::array<std::vector<float>, 3> a;
    std::array<std::vector<float>, 3> b;
};

// Pixel pairs on a regular grid, leaving out clipped ones (their true value
// is unknown).
Samples sampled(const cv::Mat &a, const cv::Mat &b)
{
    Samples samples;
    const int step = std::max(1, int(std::sqrt(double(a.total()) / WantedSamples)));
    for (int y = 0; y < a.rows; y += step) {
        const auto *rowA = a.ptr<cv::Vec3b>(y);
        const auto *rowB = b.ptr<cv::Vec3b>(y);
        for (int x = 0; x < a.cols; x += step) {
            bool clipped = false;
            for (int c = 0; c < 3; ++c)
                clipped = clipped || rowA[x][c] >= 250 || rowB[x][c] >= 250 || rowA[x][c] <= 4 || rowB[x][c] <= 4;
            if (clipped)
                continue;
            for (int c = 0; c < 3; ++c) {
                samples.a[std::size_t(c)].push_back(rowA[x][c]);
                samples.b[std::size_t(c)].push_back(rowB[x][c]);
            }
        }
    }
    return samples;
}

Line leastSquares(const std::vector<float> &a, const std::vector<float> &b, const std::vector<uchar> &kept)
{
    double n = 0, sa = 0, sb = 0, sbb = 0, sab = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (!kept[i])
            continue;
        n += 1;
        sa += a[i];
        sb += b[i];
        sbb += double(b[i]) * b[i];
        sab += double(a[i]) * b[i];
    }
    if (n < 16)
        return {};
    const double spread = sbb - sb * sb / n;
    Line line;
    if (spread > 1e-6 * n)
        line.gain = std::clamp((sab - sa * sb / n) / spread, 0.5, 2.0);
    line.offset = (sa - line.gain * sb) / n;
    return line;
}

double median(std::vector<float> values)
{
    if (values.empty())
        return 0;
    const auto middle = values.begin() + std::ptrdiff_t(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

} // namespace

void matchExposure(cv::Mat &b, const cv::Mat &sampleA, const cv::Mat &sampleB)
{
    CV_Assert(sampleA.size() == sampleB.size() && sampleA.type() == CV_8UC3 && b.type() == CV_8UC3);
    const Samples samples = sampled(sampleA, sampleB);
    const std::size_t count = samples.a[0].size();
    if (count < 64)
        return;
    std::vector<uchar> kept(count, 1);
    std::array<Line, 3> lines;
    for (int round = 0; round < Rounds; ++round) {
        std::array<std::vector<float>, 3> misfits;
        for (std::size_t c = 0; c < 3; ++c) {
            lines[c] = leastSquares(samples.a[c], samples.b[c], kept);
            misfits[c].resize(count);
            for (std::size_t i = 0; i < count; ++i)
                misfits[c][i] = std::abs(samples.a[c][i] - float(lines[c].gain * samples.b[c][i] + lines[c].offset));
        }
        // A pair that misfits in any channel is a change, or a shadow moved.
        std::array<float, 3> limits;
        for (std::size_t c = 0; c < 3; ++c)
            limits[c] = std::max(3.0f, float(3 * 1.4826 * median(misfits[c])));
        for (std::size_t i = 0; i < count; ++i)
            kept[i] = misfits[0][i] <= limits[0] && misfits[1][i] <= limits[1] && misfits[2][i] <= limits[2];
    }
    cv::Mat table(1, 256, CV_8UC3);
    for (int v = 0; v < 256; ++v)
        for (int c = 0; c < 3; ++c)
            table.at<cv::Vec3b>(0, v)[c] = cv::saturate_cast<uchar>(lines[std::size_t(c)].gain * v + lines[std::size_t(c)].offset);
    cv::LUT(b, table, b);
}

} // namespace Author

// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "author/plantscene.h"

#include "author/cvimage.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace Author {

namespace {

// Things this close to the picture's edge are cut by it: a child would not
// see them whole.
constexpr int EdgeMargin = 8;
// Neighbouring pixels of one thing differ by less than this (CIE Lab, after
// the mean-shift smoothing), and none differs from where it started by more.
constexpr float NeighbourStep = 5.0f;
constexpr float RegionSpread = 18.0f;
// A thing must stand out from its surroundings by at least this.
constexpr double SmallestContrast = 12.0;
// Larger things make a difference too large for one circle.
constexpr float LargestObjectRadius = 62.0f;
// A thing at least this thick at its thickest: no thin strips.
constexpr float SmallestThickness = 3.0f;
// Area over the area of its circle: no long, bent or ragged things.
constexpr double SmallestCompactness = 0.2;
// Edge strength below which ground counts as plain.
constexpr double PlainEdges = 3.5;

float deltaE(const cv::Vec3f &p, const cv::Vec3f &q)
{
    const cv::Vec3f d = p - q;
    return std::sqrt(d.dot(d));
}

// Colour regions of the smoothed picture: neighbours of about one colour
// joined, a label per pixel (from 0), returning the pixels of each region.
std::vector<std::vector<int>> colourRegions(const cv::Mat &lab)
{
    const int w = lab.cols;
    const int h = lab.rows;
    std::vector<int> label(std::size_t(w) * h, -1);
    std::vector<std::vector<int>> regions;
    std::vector<int> stack;
    const auto at = [&](int i) { return lab.at<cv::Vec3f>(i / w, i % w); };
    for (int start = 0; start < w * h; ++start) {
        if (label[std::size_t(start)] >= 0)
            continue;
        const int id = int(regions.size());
        regions.emplace_back();
        std::vector<int> &pixels = regions.back();
        const cv::Vec3f seed = at(start);
        label[std::size_t(start)] = id;
        stack.push_back(start);
        while (!stack.empty()) {
            const int i = stack.back();
            stack.pop_back();
            pixels.push_back(i);
            const cv::Vec3f here = at(i);
            const int x = i % w;
            const int y = i / w;
            const int neighbours[4] = {x > 0 ? i - 1 : -1, x + 1 < w ? i + 1 : -1, y > 0 ? i - w : -1,
                y + 1 < h ? i + w : -1};
            for (int n : neighbours) {
                if (n < 0 || label[std::size_t(n)] >= 0)
                    continue;
                const cv::Vec3f there = at(n);
                if (deltaE(here, there) < NeighbourStep && deltaE(seed, there) < RegionSpread) {
                    label[std::size_t(n)] = id;
                    stack.push_back(n);
                }
            }
        }
    }
    return regions;
}

// The object a region makes, when it is one a child can find and a change can
// be made of.
std::optional<PlantObject> objectOf(const PlantScene &scene, const std::vector<int> &pixels)
{
    const int w = scene.bgr.cols;
    const int h = scene.bgr.rows;
    int left = w, top = h, right = -1, bottom = -1;
    for (int i : pixels) {
        left = std::min(left, i % w);
        right = std::max(right, i % w);
        top = std::min(top, i / w);
        bottom = std::max(bottom, i / w);
    }
    if (left < EdgeMargin || top < EdgeMargin || right >= w - EdgeMargin || bottom >= h - EdgeMargin)
        return std::nullopt;
    // Cheap refusals first: too wide for a circle, or too sparse in its box.
    const int width = right - left + 1;
    const int height = bottom - top + 1;
    if (std::hypot(width, height) / 2 > LargestObjectRadius || int(pixels.size()) * 6 < width * height)
        return std::nullopt;
    // Room for the outline (2 pixels) and a ring of surroundings (4 more).
    const cv::Rect outer = cv::Rect(left - 6, top - 6, right - left + 13, bottom - top + 13) & cv::Rect(0, 0, w, h);
    cv::Mat region = cv::Mat::zeros(outer.size(), CV_8U);
    for (int i : pixels)
        region.at<uchar>(i / w - outer.y, i % w - outer.x) = 255;
    // What the region encloses belongs to the thing (a flower's middle, a
    // door's knob): everything the ground outside cannot reach.
    cv::Mat reached = region.clone();
    cv::floodFill(reached, cv::Point(0, 0), 255);
    region |= ~reached;

    cv::Mat distance;
    cv::distanceTransform(region, distance, cv::DIST_L2, 3);
    double thickest = 0;
    cv::minMaxLoc(distance, nullptr, &thickest);
    if (thickest < SmallestThickness)
        return std::nullopt;

    cv::Mat mask;
    cv::dilate(region, mask, cv::getStructuringElement(cv::MORPH_ELLIPSE, {5, 5}));
    cv::Mat wider;
    cv::dilate(mask, wider, cv::getStructuringElement(cv::MORPH_ELLIPSE, {9, 9}));
    const cv::Mat ring = wider & ~mask;
    const cv::Scalar inside = cv::mean(scene.lab(outer), region);
    const cv::Scalar around = cv::mean(scene.lab(outer), ring);
    const double contrast = std::sqrt(std::pow(inside[0] - around[0], 2) + std::pow(inside[1] - around[1], 2)
        + std::pow(inside[2] - around[2], 2));
    if (contrast < SmallestContrast)
        return std::nullopt;

    PlantObject object;
    const cv::Rect tight(left - 2, top - 2, right - left + 5, bottom - top + 5);
    object.box = tight;
    object.mask = mask(tight - outer.tl()).clone();
    object.centre = {tight.x + (tight.width - 1) / 2.0f, tight.y + (tight.height - 1) / 2.0f};
    object.area = cv::countNonZero(object.mask);
    float farthest = 0;
    for (int y = 0; y < tight.height; ++y)
        for (int x = 0; x < tight.width; ++x)
            if (object.mask.at<uchar>(y, x))
                farthest = std::max(farthest, std::hypot(tight.x + x - object.centre.x, tight.y + y - object.centre.y));
    object.radius = farthest;
    if (farthest > LargestObjectRadius || object.area < SmallestCompactness * M_PI * farthest * farthest)
        return std::nullopt;
    // Nothing on or beside skin: no faces changed.
    const int reach = int(std::ceil(farthest)) + 4;
    const cv::Rect around_(int(object.centre.x) - reach, int(object.centre.y) - reach, 2 * reach + 1, 2 * reach + 1);
    if (cv::countNonZero(scene.skin(around_ & cv::Rect(0, 0, w, h))) > 0)
        return std::nullopt;
    object.contrast = contrast;
    object.chroma = std::hypot(inside[1], inside[2]);
    return object;
}

} // namespace

int smallestChangeFor(int count)
{
    return 150 + 25 * std::clamp(9 - count, 0, 6);
}

// sRGB (D65) to CIE Lab and back, written out here: OpenCV's own conversion
// spends a fifth of a second building its tables on first use.
namespace {

constexpr float WhiteX = 0.950456f;
constexpr float WhiteZ = 1.088754f;

float labCurve(float t)
{
    return t > 0.008856f ? std::cbrt(t) : 7.787f * t + 16.0f / 116;
}

float labCurveInverse(float f)
{
    const float cube = f * f * f;
    return cube > 0.008856f ? cube : (f - 16.0f / 116) / 7.787f;
}

float linearToSrgb(float v)
{
    v = std::clamp(v, 0.0f, 1.0f);
    return v <= 0.0031308f ? 12.92f * v : 1.055f * std::pow(v, 1 / 2.4f) - 0.055f;
}

} // namespace

cv::Mat labOf(const cv::Mat &bgr)
{
    static const std::array<float, 256> linear = [] {
        std::array<float, 256> table {};
        for (int i = 0; i < 256; ++i) {
            const float v = i / 255.0f;
            table[std::size_t(i)] = v <= 0.04045f ? v / 12.92f : std::pow((v + 0.055f) / 1.055f, 2.4f);
        }
        return table;
    }();
    cv::Mat lab(bgr.size(), CV_32FC3);
    for (int y = 0; y < bgr.rows; ++y) {
        const auto *in = bgr.ptr<cv::Vec3b>(y);
        auto *out = lab.ptr<cv::Vec3f>(y);
        for (int x = 0; x < bgr.cols; ++x) {
            const float b = linear[in[x][0]], g = linear[in[x][1]], r = linear[in[x][2]];
            const float fx = labCurve((0.412453f * r + 0.357580f * g + 0.180423f * b) / WhiteX);
            const float fy = labCurve(0.212671f * r + 0.715160f * g + 0.072169f * b);
            const float fz = labCurve((0.019334f * r + 0.119193f * g + 0.950227f * b) / WhiteZ);
            out[x] = {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
        }
    }
    return lab;
}

cv::Mat bgrOf(const cv::Mat &lab)
{
    cv::Mat bgr(lab.size(), CV_8UC3);
    for (int y = 0; y < lab.rows; ++y) {
        const auto *in = lab.ptr<cv::Vec3f>(y);
        auto *out = bgr.ptr<cv::Vec3b>(y);
        for (int x = 0; x < lab.cols; ++x) {
            // A colour the screen cannot show loses colourfulness, not
            // lightness: clipping its channels would change both.
            float r = 0, g = 0, b = 0;
            for (float keep = 1.0f; keep >= 0; keep -= 0.1f) {
                const float fy = (in[x][0] + 16) / 116;
                const float X = WhiteX * labCurveInverse(fy + keep * in[x][1] / 500);
                const float Y = labCurveInverse(fy);
                const float Z = WhiteZ * labCurveInverse(fy - keep * in[x][2] / 200);
                r = 3.240479f * X - 1.537150f * Y - 0.498535f * Z;
                g = -0.969256f * X + 1.875991f * Y + 0.041556f * Z;
                b = 0.055648f * X - 0.204043f * Y + 1.057311f * Z;
                constexpr float Slack = 0.002f;
                if (std::min({r, g, b}) >= -Slack && std::max({r, g, b}) <= 1 + Slack)
                    break;
            }
            out[x] = {cv::saturate_cast<uchar>(255 * linearToSrgb(b)), cv::saturate_cast<uchar>(255 * linearToSrgb(g)),
                cv::saturate_cast<uchar>(255 * linearToSrgb(r))};
        }
    }
    return bgr;
}

cv::Mat edgeStrength(const cv::Mat &bgr)
{
    cv::Mat grey;
    cv::cvtColor(bgr, grey, cv::COLOR_BGR2GRAY);
    cv::Mat dx, dy, strength;
    cv::Sobel(grey, dx, CV_32F, 1, 0, 3, 0.25);
    cv::Sobel(grey, dy, CV_32F, 0, 1, 3, 0.25);
    cv::magnitude(dx, dy, strength);
    return strength;
}

cv::Mat skinMask(const cv::Mat &bgr)
{
    cv::Mat ycrcb;
    cv::cvtColor(bgr, ycrcb, cv::COLOR_BGR2YCrCb);
    cv::Mat skin;
    cv::inRange(ycrcb, cv::Scalar(40, 138, 80), cv::Scalar(255, 173, 125), skin);
    // The YCrCb box alone takes sand, cream walls and wood for skin: skin's
    // hue is also between red and orange, and it is neither grey nor vivid.
    cv::Mat hsv;
    cv::cvtColor(bgr, hsv, cv::COLOR_BGR2HSV);
    cv::Mat skinHue;
    cv::inRange(hsv, cv::Scalar(0, 30, 60), cv::Scalar(16, 160, 255), skinHue);
    skin &= skinHue;
    cv::morphologyEx(skin, skin, cv::MORPH_OPEN, cv::getStructuringElement(cv::MORPH_ELLIPSE, {3, 3}));
    cv::morphologyEx(skin, skin, cv::MORPH_CLOSE, cv::getStructuringElement(cv::MORPH_ELLIPSE, {21, 21}));
    cv::dilate(skin, skin, cv::getStructuringElement(cv::MORPH_ELLIPSE, {9, 9}));
    return skin;
}

bool plainPlace(const PlantScene &scene, cv::Point centre, int radius)
{
    const cv::Rect window(centre.x - radius, centre.y - radius, 2 * radius + 1, 2 * radius + 1);
    const cv::Rect allowed(EdgeMargin, EdgeMargin, scene.bgr.cols - 2 * EdgeMargin, scene.bgr.rows - 2 * EdgeMargin);
    if ((window & allowed) != window)
        return false;
    const auto sum = [&](const cv::Mat &sums) {
        return sums.at<double>(window.br()) - sums.at<double>(window.y, window.br().x)
            - sums.at<double>(window.br().y, window.x) + sums.at<double>(window.tl());
    };
    return sum(scene.skinSums) == 0 && sum(scene.edgeSums) < PlainEdges * window.area();
}

PlantScene analyseForPlanting(const QImage &a, int count)
{
    PlantScene scene;
    scene.bgr = toMat(a);
    scene.lab = labOf(scene.bgr);
    scene.edges = edgeStrength(scene.bgr);
    scene.skin = skinMask(scene.bgr);
    scene.smallestChange = smallestChangeFor(count);
    cv::integral(scene.edges, scene.edgeSums, CV_64F);
    cv::Mat skinOnes;
    scene.skin.convertTo(skinOnes, CV_8U, 1.0 / 255);
    cv::integral(skinOnes, scene.skinSums, CV_64F);

    cv::Mat smooth;
    cv::pyrMeanShiftFiltering(scene.bgr, smooth, 7, 18, 1);
    const cv::Mat smoothLab = labOf(smooth);
    const std::vector<std::vector<int>> regions = colourRegions(smoothLab);
    const int smallestRegion = scene.smallestChange * 3 / 5;
    const int largestRegion = int(M_PI * LargestObjectRadius * LargestObjectRadius);
    for (const std::vector<int> &pixels : regions) {
        if (int(pixels.size()) < smallestRegion || int(pixels.size()) > largestRegion)
            continue;
        if (std::optional<PlantObject> object = objectOf(scene, pixels))
            scene.objects.push_back(std::move(*object));
    }
    std::stable_sort(scene.objects.begin(), scene.objects.end(), [](const PlantObject &p, const PlantObject &q) {
        return p.contrast * std::sqrt(double(p.area)) > q.contrast * std::sqrt(double(q.area));
    });
    return scene;
}

} // namespace Author

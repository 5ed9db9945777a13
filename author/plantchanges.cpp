// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "author/plantchanges.h"

#include <opencv2/imgproc.hpp>
#include <opencv2/photo.hpp>

#include <array>
#include <cmath>
#include <limits>

namespace Author {

namespace {

// Ground around a hole with less edge strength than this is smooth enough
// for inpainting to continue it without a smear.
constexpr double SmoothGround = 4.0;
// A pasted thing keeps this far from the picture's edge.
constexpr int PasteMargin = 4;
// The largest a thing may grow: its circle must stay within radius 99.
constexpr float LargestGrownRadius = 90.0f;

cv::Rect pictureRect(const cv::Mat &picture)
{
    return {0, 0, picture.cols, picture.rows};
}

cv::Mat fullMask(const PlantScene &scene, const PlantObject &object)
{
    cv::Mat mask = cv::Mat::zeros(scene.bgr.size(), CV_8U);
    object.mask.copyTo(mask(object.box));
    return mask;
}

cv::Rect widened(const cv::Rect &box, int by, const cv::Mat &picture)
{
    return cv::Rect(box.x - by, box.y - by, box.width + 2 * by, box.height + 2 * by) & pictureRect(picture);
}

// The hole filled with the picture's own pixels from `shift` away, where the
// ground around the hole matches best.
bool patchFromNearby(const PlantScene &scene, const cv::Mat &hole, const cv::Rect &holeBox, cv::Mat &picture)
{
    const cv::Rect ringBox = widened(holeBox, 6, picture);
    cv::Mat ring;
    cv::dilate(hole(ringBox), ring, cv::getStructuringElement(cv::MORPH_ELLIPSE, {7, 7}));
    ring &= ~hole(ringBox);
    std::vector<cv::Point> found;
    cv::findNonZero(ring, found);
    // Every other pixel of the ring is enough to judge the match.
    std::vector<cv::Point> ringPixels;
    for (std::size_t i = 0; i < found.size(); i += 2)
        ringPixels.push_back(found[i] + ringBox.tl());
    const int reach = std::max(holeBox.width, holeBox.height) / 2 + 8;
    const cv::Rect keepClear = widened(holeBox, 4, picture);
    long long best = std::numeric_limits<long long>::max();
    cv::Point bestShift;
    for (int dy = -5 * reach / 2; dy <= 5 * reach / 2; dy += 2)
        for (int dx = -5 * reach / 2; dx <= 5 * reach / 2; dx += 2) {
            const cv::Rect moved = ringBox + cv::Point(dx, dy);
            if ((moved & pictureRect(picture)) != moved || ((holeBox + cv::Point(dx, dy)) & keepClear).area() > 0)
                continue;
            long long cost = 0;
            for (const cv::Point &p : ringPixels) {
                const cv::Vec3b &here = scene.bgr.at<cv::Vec3b>(p);
                const cv::Vec3b &there = scene.bgr.at<cv::Vec3b>(p.y + dy, p.x + dx);
                for (int c = 0; c < 3; ++c)
                    cost += (int(here[c]) - there[c]) * (int(here[c]) - there[c]);
                if (cost >= best)
                    break;
            }
            if (cost < best) {
                best = cost;
                bestShift = {dx, dy};
            }
        }
    if (best == std::numeric_limits<long long>::max())
        return false;
    for (int y = holeBox.y; y < holeBox.br().y; ++y)
        for (int x = holeBox.x; x < holeBox.br().x; ++x)
            if (hole.at<uchar>(y, x))
                picture.at<cv::Vec3b>(y, x) = scene.bgr.at<cv::Vec3b>(y + bestShift.y, x + bestShift.x);
    return true;
}

// Fills the hole (full-size mask) in the picture from the ground around it.
bool fillHole(const PlantScene &scene, const cv::Mat &hole, const cv::Rect &holeBox, cv::Mat &picture)
{
    const cv::Rect ringBox = widened(holeBox, 6, picture);
    cv::Mat ring;
    cv::dilate(hole(ringBox), ring, cv::getStructuringElement(cv::MORPH_ELLIPSE, {11, 11}));
    ring &= ~hole(ringBox);
    if (cv::mean(scene.edges(ringBox), ring)[0] >= SmoothGround)
        return patchFromNearby(scene, hole, holeBox, picture);
    const cv::Rect around = widened(holeBox, 12, picture);
    cv::Mat inpainted;
    cv::inpaint(picture(around), hole(around), inpainted, 5, cv::INPAINT_TELEA);
    inpainted.copyTo(picture(around), hole(around));
    return true;
}

// The thing's pixels and their soft-edged weights, turned or scaled as asked.
struct Patch
{
    cv::Mat pixels; // 8-bit BGR
    cv::Mat weight; // 0 to 1, floating point
};

Patch patchOf(const PlantScene &scene, const PlantObject &object)
{
    Patch patch;
    patch.pixels = scene.bgr(object.box).clone();
    object.mask.convertTo(patch.weight, CV_32F, 1.0 / 255);
    cv::GaussianBlur(patch.weight, patch.weight, {3, 3}, 0.7, 0.7, cv::BORDER_CONSTANT);
    return patch;
}

// Lays the patch over the picture centred at `at`; false when it would reach
// past the picture's margin. `covered` gets where it now shows.
bool paste(const Patch &patch, cv::Point2f at, cv::Mat &picture, cv::Mat &covered)
{
    const cv::Rect place(int(std::lround(at.x - (patch.pixels.cols - 1) / 2.0f)),
        int(std::lround(at.y - (patch.pixels.rows - 1) / 2.0f)), patch.pixels.cols, patch.pixels.rows);
    const cv::Rect allowed(PasteMargin, PasteMargin, picture.cols - 2 * PasteMargin, picture.rows - 2 * PasteMargin);
    if ((place & allowed) != place)
        return false;
    covered = cv::Mat::zeros(picture.size(), CV_8U);
    for (int y = 0; y < place.height; ++y)
        for (int x = 0; x < place.width; ++x) {
            const float weight = patch.weight.at<float>(y, x);
            if (weight <= 0)
                continue;
            cv::Vec3b &target = picture.at<cv::Vec3b>(place.y + y, place.x + x);
            const cv::Vec3b &source = patch.pixels.at<cv::Vec3b>(y, x);
            for (int c = 0; c < 3; ++c)
                target[c] = cv::saturate_cast<uchar>(weight * source[c] + (1 - weight) * target[c]);
            if (weight >= 0.5f)
                covered.at<uchar>(place.y + y, place.x + x) = 255;
        }
    return true;
}

// Takes the thing away, then lays the patch in its place.
bool replaceWith(const PlantScene &scene, const PlantObject &object, const Patch &patch, MadeChange &made)
{
    if (!removeObject(scene, object, made))
        return false;
    if (!paste(patch, object.centre, made.picture, made.pasted))
        return false;
    made.filled = made.hole & ~made.pasted;
    return true;
}

// Pixels of the thing that change clearly when it is turned over that way
// (flip code).
int flipChange(const Patch &patch, int code)
{
    cv::Mat flippedPixels, flippedWeight;
    cv::flip(patch.pixels, flippedPixels, code);
    cv::flip(patch.weight, flippedWeight, code);
    constexpr int ClearStep = 40;
    int changed = 0;
    for (int y = 0; y < patch.pixels.rows; ++y)
        for (int x = 0; x < patch.pixels.cols; ++x) {
            if (std::max(patch.weight.at<float>(y, x), flippedWeight.at<float>(y, x)) < 0.5f)
                continue;
            const cv::Vec3b &p = patch.pixels.at<cv::Vec3b>(y, x);
            const cv::Vec3b &q = flippedPixels.at<cv::Vec3b>(y, x);
            const int step = std::max({std::abs(p[0] - q[0]), std::abs(p[1] - q[1]), std::abs(p[2] - q[2])});
            changed += step >= ClearStep ? 1 : 0;
        }
    return changed;
}

} // namespace

bool removeObject(const PlantScene &scene, const PlantObject &object, MadeChange &made)
{
    made.picture = scene.bgr.clone();
    made.hole = fullMask(scene, object);
    // A little more: the thing's soft edge and shadow go too.
    cv::dilate(made.hole, made.hole, cv::getStructuringElement(cv::MORPH_ELLIPSE, {5, 5}));
    const cv::Rect holeBox = widened(object.box, 2, scene.bgr);
    if (!fillHole(scene, made.hole, holeBox, made.picture))
        return false;
    made.filled = made.hole.clone();
    return true;
}

bool recolourObject(const PlantScene &scene, const PlantObject &object, PlantRandom &random, MadeChange &made)
{
    made.picture = scene.bgr.clone();
    cv::Mat lab = scene.lab(object.box).clone();
    constexpr double GreyChroma = 15.0;
    if (object.chroma >= GreyChroma) {
        constexpr std::array<double, 5> turns {120, 150, 180, 210, 240};
        const double angle = turns[std::size_t(random.below(int(turns.size())))] * M_PI / 180;
        const float c = float(std::cos(angle));
        const float s = float(std::sin(angle));
        lab.forEach<cv::Vec3f>([&](cv::Vec3f &p, const int *) {
            const float a = p[1];
            p[1] = a * c - p[2] * s;
            p[2] = a * s + p[2] * c;
        });
    } else {
        const float lightness = float(cv::mean(scene.lab(object.box), object.mask)[0]);
        const float step = lightness > 55 ? -45.0f : 45.0f;
        lab.forEach<cv::Vec3f>([&](cv::Vec3f &p, const int *) { p[0] = std::clamp(p[0] + step, 0.0f, 100.0f); });
    }
    Patch patch = patchOf(scene, object);
    patch.pixels = bgrOf(lab);
    cv::Mat covered;
    return paste(patch, object.centre, made.picture, covered);
}

bool mirrorObject(const PlantScene &scene, const PlantObject &object, MadeChange &made)
{
    Patch patch = patchOf(scene, object);
    const int sideways = flipChange(patch, 1);
    const int upsideDown = flipChange(patch, 0);
    const int code = sideways >= upsideDown ? 1 : 0;
    // A round or symmetric thing looks the same turned over.
    if (std::max(sideways, upsideDown) * 4 < object.area)
        return false;
    cv::flip(patch.pixels, patch.pixels, code);
    cv::flip(patch.weight, patch.weight, code);
    return replaceWith(scene, object, patch, made);
}

bool resizeObject(const PlantScene &scene, const PlantObject &object, PlantRandom &random, MadeChange &made)
{
    constexpr double Larger = 1.5;
    constexpr double Smaller = 0.55;
    const bool roomToGrow = object.radius * Larger <= LargestGrownRadius;
    const double scale = roomToGrow && random.below(3) > 0 ? Larger : Smaller;
    Patch patch = patchOf(scene, object);
    const cv::Size size(std::max(3, int(std::lround(patch.pixels.cols * scale))),
        std::max(3, int(std::lround(patch.pixels.rows * scale))));
    cv::resize(patch.pixels, patch.pixels, size, 0, 0, cv::INTER_LINEAR);
    cv::resize(patch.weight, patch.weight, size, 0, 0, cv::INTER_LINEAR);
    return replaceWith(scene, object, patch, made);
}

bool copyObject(const PlantScene &scene, const PlantObject &object, cv::Point place, MadeChange &made)
{
    made.picture = scene.bgr.clone();
    cv::Mat covered;
    return paste(patchOf(scene, object), place, made.picture, covered);
}

bool addDetail(const PlantScene &scene, cv::Point place, int radius, PlantRandom &random, MadeChange &made)
{
    // Colours a child names at once, in BGR.
    static const std::array<cv::Scalar, 8> colours {cv::Scalar(40, 40, 220), cv::Scalar(30, 200, 250),
        cv::Scalar(210, 110, 30), cv::Scalar(50, 170, 50), cv::Scalar(250, 250, 250), cv::Scalar(35, 30, 30),
        cv::Scalar(20, 130, 250), cv::Scalar(160, 50, 150)};
    const cv::Rect window(place.x - radius, place.y - radius, 2 * radius + 1, 2 * radius + 1);
    if ((window & pictureRect(scene.bgr)) != window)
        return false;
    const cv::Scalar ground = cv::mean(scene.lab(window));
    std::vector<std::size_t> standingOut;
    for (std::size_t i = 0; i < colours.size(); ++i) {
        cv::Mat one(1, 1, CV_8UC3, colours[i]);
        const cv::Vec3f lab = labOf(one).at<cv::Vec3f>(0, 0);
        const double distance = std::sqrt(std::pow(lab[0] - ground[0], 2) + std::pow(lab[1] - ground[1], 2)
            + std::pow(lab[2] - ground[2], 2));
        if (distance >= 45)
            standingOut.push_back(i);
    }
    if (standingOut.empty())
        return false;
    const cv::Scalar fill = colours[standingOut[std::size_t(random.below(int(standingOut.size())))]];
    const cv::Scalar outline(45, 40, 50);
    made.picture = scene.bgr.clone();
    // Drawn in sixteenths of a pixel, for smooth outlines.
    constexpr int Shift = 4;
    const auto point = [&](double angle, double reach) {
        return cv::Point(int(std::lround((place.x + reach * std::cos(angle)) * 16)),
            int(std::lround((place.y + reach * std::sin(angle)) * 16)));
    };
    std::vector<cv::Point> outlinePoints;
    const int shape = random.below(3);
    const int corners = shape == 0 ? 24 : shape == 1 ? 10 : 4;
    for (int i = 0; i < corners; ++i) {
        const double angle = -M_PI / 2 + 2 * M_PI * i / corners;
        const double reach = shape == 1 && i % 2 ? radius * 0.5 : radius - 1.0;
        outlinePoints.push_back(point(angle, reach));
    }
    const std::vector<std::vector<cv::Point>> polygons {outlinePoints};
    cv::fillPoly(made.picture, polygons, fill, cv::LINE_AA, Shift);
    cv::polylines(made.picture, polygons, true, outline, 2, cv::LINE_AA, Shift);
    return true;
}

} // namespace Author

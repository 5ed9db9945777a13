// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "author/align.h"

#include "author/cvimage.h"
#include "author/exposure.h"

#include <opencv2/imgproc.hpp>
#include <opencv2/video/tracking.hpp>

#include <algorithm>
#include <array>
#include <cmath>

namespace Author {

namespace {

// The longer side of the finest level registration looks at: fine enough for
// a small fraction of a question picture's pixel, small enough to be quick.
constexpr int FineSide = 512;
// Below this correlation of the registered grey pictures the two photos do
// not show one scene; a pair with a few changes stays far above it.
constexpr double LeastCorrelation = 0.5;
// A hand-held second shot moves each corner by a few percent of the photo;
// more than this is not the same view.
constexpr double FarthestCornerShift = 0.15;
// Registration needs some picture to look at in both directions.
constexpr int LeastSide = 64;

bool stopped(const std::atomic_bool *cancel)
{
    return cancel && cancel->load();
}

cv::Mat greyOf(const QImage &image, cv::Size size)
{
    cv::Mat grey;
    cv::cvtColor(toMat(image), grey, cv::COLOR_BGR2GRAY);
    cv::Mat small;
    cv::resize(grey, small, size, 0, 0, cv::INTER_AREA);
    small.convertTo(small, CV_32F);
    return small;
}

cv::Matx33d scaling(double sx, double sy)
{
    return {sx, 0, 0, 0, sy, 0, 0, 0, 1};
}

// Refines the warp (3 x 3, from points of `a` to points of `b`) at one level;
// the correlation reached, or -1 when ECC gives up.
double refined(const cv::Mat &a, const cv::Mat &b, cv::Matx33d &warp, int motion, int iterations)
{
    cv::Mat estimate;
    if (motion == cv::MOTION_HOMOGRAPHY)
        cv::Mat(warp).convertTo(estimate, CV_32F);
    else
        cv::Mat(warp).rowRange(0, 2).convertTo(estimate, CV_32F);
    try {
        const double correlation = cv::findTransformECC(a, b, estimate, motion,
            cv::TermCriteria(cv::TermCriteria::COUNT + cv::TermCriteria::EPS, iterations, 1e-4), cv::noArray(), 5);
        cv::Mat full = cv::Mat::eye(3, 3, CV_64F);
        estimate.convertTo(full.rowRange(0, estimate.rows), CV_64F);
        warp = full;
        return correlation;
    } catch (const cv::Exception &) {
        return -1;
    }
}

cv::Point2d mapped(const cv::Matx33d &warp, cv::Point2d p)
{
    const cv::Vec3d q = warp * cv::Vec3d(p.x, p.y, 1);
    return {q[0] / q[2], q[1] / q[2]};
}

// Whether the warp is one a hand-held second shot could give: every corner
// of A lands near the same corner of B.
bool plausible(const cv::Matx33d &aToB, QSize a, QSize b)
{
    const double reach = FarthestCornerShift * std::hypot(a.width(), a.height());
    const std::array<cv::Point2d, 4> cornersA {
        cv::Point2d(0, 0), cv::Point2d(a.width(), 0), cv::Point2d(a.width(), a.height()), cv::Point2d(0, a.height())};
    const std::array<cv::Point2d, 4> cornersB {
        cv::Point2d(0, 0), cv::Point2d(b.width(), 0), cv::Point2d(b.width(), b.height()), cv::Point2d(0, b.height())};
    for (std::size_t i = 0; i < 4; ++i) {
        const cv::Point2d p = mapped(aToB, cornersA[i]);
        if (!std::isfinite(p.x) || !std::isfinite(p.y) || cv::norm(p - cornersB[i]) > reach)
            return false;
    }
    return true;
}

// The part of A that B covers: B's corners brought into A, and the largest
// upright rectangle inside them.
QRect coveredPart(const cv::Matx33d &aToB, QSize a, QSize b)
{
    const cv::Matx33d bToA = aToB.inv();
    const cv::Point2d tl = mapped(bToA, {0, 0});
    const cv::Point2d tr = mapped(bToA, {double(b.width() - 1), 0});
    const cv::Point2d br = mapped(bToA, {double(b.width() - 1), double(b.height() - 1)});
    const cv::Point2d bl = mapped(bToA, {0, double(b.height() - 1)});
    const int left = int(std::ceil(std::max(tl.x, bl.x) - 1e-3));
    const int top = int(std::ceil(std::max(tl.y, tr.y) - 1e-3));
    const int right = int(std::floor(std::min(tr.x, br.x) + 1e-3));
    const int bottom = int(std::floor(std::min(bl.y, br.y) + 1e-3));
    return QRect(QPoint(left, top), QPoint(right, bottom)) & QRect(QPoint(0, 0), a);
}

// How well two grey pictures of one size agree where they stand.
double unmovedCorrelation(const cv::Mat &a, const cv::Mat &b)
{
    // A picture of one flat colour agrees with nothing.
    for (const cv::Mat *grey : {&a, &b}) {
        cv::Scalar mean, deviation;
        cv::meanStdDev(*grey, mean, deviation);
        if (deviation[0] < 1)
            return -1;
    }
    cv::Mat result;
    cv::matchTemplate(a, b, result, cv::TM_CCOEFF_NORMED);
    const float value = result.at<float>(0, 0);
    return std::isfinite(value) ? value : -1;
}

QString notTheSamePlace()
{
    return QStringLiteral("2 枚の写真は同じ場所を写していないようです（重ね合わせられません）。同じ場所から撮った 2 枚にしてください。");
}

} // namespace

namespace {

AlignedPair aligned(const QImage &a, const QImage &b, const std::atomic_bool *cancel)
{
    AlignedPair pair;
    if (std::min({a.width(), a.height(), b.width(), b.height()}) < LeastSide) {
        pair.problem = QStringLiteral("写真が細すぎて（短い辺が %1 ピクセルより短くて）、2 枚を重ね合わせられません。").arg(LeastSide);
        return pair;
    }
    const double toFine = double(FineSide) / std::max(a.width(), a.height());
    const cv::Size fine(std::max(1, int(std::lround(a.width() * toFine))), std::max(1, int(std::lround(a.height() * toFine))));
    const cv::Mat fineA = greyOf(a, fine);
    const cv::Mat fineB = greyOf(b, fine);
    if (stopped(cancel)) {
        pair.cancelled = true;
        return pair;
    }
    cv::Mat coarseA, coarseB;
    cv::resize(fineA, coarseA, cv::Size(), 0.5, 0.5, cv::INTER_AREA);
    cv::resize(fineB, coarseB, cv::Size(), 0.5, 0.5, cv::INTER_AREA);
    const cv::Matx33d halve = scaling(double(coarseA.cols) / fine.width, double(coarseA.rows) / fine.height);

    // Two first guesses: the shift that best lines up the coarse pictures,
    // and none at all (a steady hand over a plain table); the turn and the
    // scale are found from each, and the one that fits better goes on.
    cv::Mat window;
    cv::createHanningWindow(window, coarseA.size(), CV_32F);
    const cv::Point2d shift = cv::phaseCorrelate(coarseA, coarseB, window);
    cv::Matx33d warp(1, 0, shift.x, 0, 1, shift.y, 0, 0, 1);
    double correlation = refined(coarseA, coarseB, warp, cv::MOTION_AFFINE, 60);
    cv::Matx33d still = cv::Matx33d::eye();
    if (const double stillCorrelation = refined(coarseA, coarseB, still, cv::MOTION_AFFINE, 60);
        stillCorrelation > correlation) {
        warp = still;
        correlation = stillCorrelation;
    }
    // Then the perspective, at the fine level.
    if (correlation >= 0 && !stopped(cancel)) {
        warp = halve.inv() * warp * halve;
        correlation = refined(fineA, fineB, warp, cv::MOTION_HOMOGRAPHY, 30);
    }
    if (stopped(cancel)) {
        pair.cancelled = true;
        return pair;
    }
    // From A's pixels to the fine level, across, and up to B's pixels.
    cv::Matx33d aToB = scaling(double(b.width()) / fine.width, double(b.height()) / fine.height) * warp
        * scaling(double(fine.width) / a.width(), double(fine.height) / a.height());
    // Plain colours (two drawings, a camera on a stand) give ECC nothing to
    // hold on to; photos of one size that already agree need no moving.
    if (a.size() == b.size() && (correlation < LeastCorrelation || !plausible(aToB, a.size(), b.size()))) {
        if (const double unmoved = unmovedCorrelation(fineA, fineB); unmoved >= LeastCorrelation) {
            aToB = cv::Matx33d::eye();
            correlation = unmoved;
        }
    }
    if (correlation < LeastCorrelation || !plausible(aToB, a.size(), b.size())) {
        pair.problem = notTheSamePlace();
        return pair;
    }
    pair.common = coveredPart(aToB, a.size(), b.size());
    if (pair.common.width() < a.width() / 2 || pair.common.height() < a.height() / 2) {
        pair.problem = notTheSamePlace();
        return pair;
    }
    pair.aToB = QTransform(aToB(0, 0), aToB(1, 0), aToB(2, 0), aToB(0, 1), aToB(1, 1), aToB(2, 1), aToB(0, 2),
        aToB(1, 2), aToB(2, 2));

    cv::Mat laid;
    cv::warpPerspective(toMat(b), laid, cv::Mat(aToB), cv::Size(a.width(), a.height()),
        cv::INTER_LINEAR | cv::WARP_INVERSE_MAP, cv::BORDER_REPLICATE);
    if (stopped(cancel)) {
        pair.cancelled = true;
        return pair;
    }
    const cv::Mat matA = toMat(a);
    const cv::Rect common(pair.common.x(), pair.common.y(), pair.common.width(), pair.common.height());
    matchExposure(laid, matA(common), laid(common));
    pair.b = toImage(laid);
    return pair;
}

} // namespace

AlignedPair alignPhotos(const QImage &a, const QImage &b, const std::atomic_bool *cancel)
{
    try {
        return aligned(a, b, cancel);
    } catch (const cv::Exception &) {
        // OpenCV refuses what it cannot work on (a picture of no texture at
        // all, say): to the person, the photos do not line up.
        AlignedPair pair;
        pair.problem = notTheSamePlace();
        return pair;
    }
}

} // namespace Author

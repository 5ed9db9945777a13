// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "author/finder.h"

#include "author/changemask.h"
#include "author/cvimage.h"
#include "rules/constants.h"
#include "rules/answerlines.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>

namespace Author {

namespace {

// Changed pixels this close together belong to one thing a child can spot.
constexpr int MergeGap = 6;
// Room around the changed pixels, for the outline a child aims at.
constexpr int Margin = 2;

// The changed pixels of one thing, and the circle that holds them.
struct Change
{
    std::vector<cv::Point> pixels;
    Circle circle;
    int reach = 0; // the radius that just holds every pixel
    bool tight = false; // the circle has given up its margin
};

// Centres the circle on the smallest circle around the pixels, then reaches
// the farthest pixel from that whole-pixel centre as the game measures a hit.
void encircle(Change &change)
{
    cv::Point2f centre;
    float radius = 0;
    cv::minEnclosingCircle(change.pixels, centre, radius);
    const int cx = int(std::lround(centre.x));
    const int cy = int(std::lround(centre.y));
    qint64 farthest = 0;
    for (const cv::Point &p : change.pixels)
        farthest = std::max(farthest, qint64(p.x - cx) * (p.x - cx) + qint64(p.y - cy) * (p.y - cy));
    int reach = int(std::ceil(std::sqrt(double(farthest))));
    while (qint64(reach) * reach < farthest)
        ++reach;
    change.reach = reach;
    change.circle = {cx, cy, std::clamp(reach + (change.tight ? 0 : Margin), SmallestRadius, LargestRadius)};
}

QString atPlace(const Circle &c)
{
    return QStringLiteral("(%1, %2)").arg(c.x).arg(c.y);
}

// The changed pixels grouped into things: pixels closer than the merge gap
// are one thing. Stops (with `count` set) past the game's number of answers.
std::vector<Change> groupedChanges(const cv::Mat &changed, int &count)
{
    cv::Mat near;
    cv::dilate(changed, near, cv::getStructuringElement(cv::MORPH_RECT, cv::Size(MergeGap + 1, MergeGap + 1)));
    cv::Mat labels;
    count = cv::connectedComponents(near, labels, 8, CV_32S) - 1;
    std::vector<Change> changes(std::size_t(std::min(count, MaxAnswers + 1)));
    for (int y = 0; y < changed.rows; ++y) {
        const uchar *on = changed.ptr<uchar>(y);
        const int *label = labels.ptr<int>(y);
        for (int x = 0; x < changed.cols; ++x)
            if (on[x] && label[x] <= int(changes.size()))
                changes[std::size_t(label[x] - 1)].pixels.emplace_back(x, y);
    }
    std::erase_if(changes, [](const Change &change) { return change.pixels.empty(); });
    for (Change &change : changes)
        encircle(change);
    return changes;
}

// Circles of different changes must not share a pixel, or one click would
// score either: first both give up their margin, then the two become one.
QString separated(std::vector<Change> &changes)
{
    for (bool again = true; again;) {
        again = false;
        for (std::size_t i = 0; i < changes.size() && !again; ++i)
            for (std::size_t j = i + 1; j < changes.size() && !again; ++j) {
                if (!overlap(changes[i].circle, changes[j].circle))
                    continue;
                again = true;
                if (!changes[i].tight || !changes[j].tight) {
                    changes[i].tight = changes[j].tight = true;
                    encircle(changes[i]);
                    encircle(changes[j]);
                    continue;
                }
                const Circle first = changes[i].circle;
                const Circle second = changes[j].circle;
                changes[i].pixels.insert(changes[i].pixels.end(), changes[j].pixels.begin(), changes[j].pixels.end());
                changes.erase(changes.begin() + std::ptrdiff_t(j));
                encircle(changes[i]);
                if (changes[i].reach > LargestRadius)
                    return QStringLiteral("%1 と %2 の違いが近すぎて、重ならない円で別々に囲めません。")
                        .arg(atPlace(first), atPlace(second));
            }
    }
    return QString();
}

} // namespace

FoundDifferences findChanges(const QImage &a, const QImage &b)
{
    FoundDifferences found;
    if (a.isNull() || a.size() != b.size()) {
        found.problem = QStringLiteral("絵 A と絵 B の大きさが違うので、比べられません。");
        return found;
    }
    int count = 0;
    std::vector<Change> changes = groupedChanges(changedPixels(toMat(a), toMat(b)), count);
    for (const Change &change : changes)
        found.circles.push_back(change.circle);
    if (count > MaxAnswers) {
        found.problem = QStringLiteral("違いが %1 か所もあり、ゲームが使える %2 か所を超えます。同じ場所から撮った 2 枚か確かめてください。")
                            .arg(count)
                            .arg(MaxAnswers);
        return found;
    }
    if (changes.empty()) {
        found.problem = QStringLiteral("絵 A と絵 B の違いが見つかりませんでした。");
        return found;
    }
    for (const Change &change : changes)
        if (change.reach > LargestRadius) {
            found.problem = QStringLiteral("%1 のあたりの違いが大きすぎて、半径 %2 の円に入りません。")
                                .arg(atPlace(change.circle))
                                .arg(LargestRadius);
            return found;
        }
    found.problem = separated(changes);
    found.circles.clear();
    for (const Change &change : changes)
        found.circles.push_back(change.circle);
    return found;
}

std::vector<Circle> findDifferences(const QImage &a, const QImage &b)
{
    return findChanges(a, b).circles;
}

} // namespace Author

// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "author/plant.h"

#include "author/cvimage.h"
#include "author/plantchanges.h"
#include "author/plantmeasure.h"
#include "author/plantrandom.h"
#include "author/plantscene.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <set>

namespace Author {

namespace {

// Room between two circles, so no finder takes two changes for one.
constexpr int CircleGap = 6;
// Tries of every kind for each difference before giving up on it.
constexpr int Rounds = 4;
// Among the best places, how many the dice choose from.
constexpr int Choices = 4;
// Circles this far apart count as spread out.
constexpr double SpreadDistance = 100.0;

constexpr std::array<ChangeKind, 6> AllKinds {ChangeKind::Removed, ChangeKind::Recoloured, ChangeKind::Mirrored,
    ChangeKind::Resized, ChangeKind::Copied, ChangeKind::Added};

bool skinWithin(const PlantScene &scene, const Circle &circle)
{
    const cv::Rect box = cv::Rect(circle.x - circle.r, circle.y - circle.r, 2 * circle.r + 1, 2 * circle.r + 1)
        & cv::Rect(0, 0, scene.bgr.cols, scene.bgr.rows);
    for (int y = box.y; y < box.br().y; ++y)
        for (int x = box.x; x < box.br().x; ++x)
            if (scene.skin.at<uchar>(y, x) && hits(circle, x, y))
                return true;
    return false;
}

class Planter
{
public:
    Planter(const PlantScene &scene, PlantRandom &random, cv::Mat b, int count)
        : m_scene(scene), m_random(random), m_b(std::move(b)), m_used(scene.objects.size(), false),
          m_mostOfAKind((count + 1) / 2), m_mostAdded(std::max(1, (count + 1) / 3))
    {
    }

    // Circles that stay as they are; objects inside them are not used again.
    void keep(const Circle &circle, ChangeKind kind)
    {
        m_taken.push_back(circle);
        ++m_planted[std::size_t(kind)];
        for (std::size_t i = 0; i < m_scene.objects.size(); ++i)
            if (hits({circle.x, circle.y, circle.r + int(m_scene.objects[i].radius)}, int(m_scene.objects[i].centre.x),
                    int(m_scene.objects[i].centre.y)))
                m_used[i] = true;
    }

    // Plants one difference, trying the kinds from `first` on; nothing when
    // none can be planted anywhere. `unlike` is a change it must not repeat.
    std::optional<PlantedChange> plantOne(std::size_t first, const std::optional<PlantedChange> &unlike = {})
    {
        for (int round = 0; round < Rounds; ++round)
            for (std::size_t k = 0; k < AllKinds.size(); ++k) {
                const ChangeKind kind = m_order[(first + k) % m_order.size()];
                const int planted = m_planted[std::size_t(kind)];
                if (planted >= m_mostOfAKind || (kind == ChangeKind::Added && planted >= m_mostAdded))
                    continue;
                if (std::optional<PlantedChange> change = tryKind(kind, unlike))
                    return change;
            }
        return std::nullopt;
    }

    // The kinds in an order of the dice, so a question mixes them.
    void shuffleKinds()
    {
        m_order = {AllKinds.begin(), AllKinds.end()};
        for (std::size_t i = m_order.size() - 1; i > 0; --i)
            std::swap(m_order[i], m_order[std::size_t(m_random.below(int(i) + 1))]);
    }

    const cv::Mat &picture() const { return m_b; }

private:
    bool clear(const Circle &circle) const
    {
        const Circle widened {circle.x, circle.y, circle.r + CircleGap};
        return std::none_of(m_taken.begin(), m_taken.end(), [&](const Circle &c) { return overlap(widened, c); });
    }

    // A circle cut by the picture's edge hides part of its change there.
    bool inside(const Circle &circle) const
    {
        return circle.x - circle.r >= 0 && circle.y - circle.r >= 0 && circle.x + circle.r < m_b.cols
            && circle.y + circle.r < m_b.rows;
    }

    double spread(cv::Point2f at) const
    {
        double nearest = SpreadDistance;
        for (const Circle &c : m_taken)
            nearest = std::min(nearest, std::hypot(double(at.x) - c.x, double(at.y) - c.y));
        return nearest / SpreadDistance;
    }

    // One of the best objects for the kind that is still free, or none.
    std::optional<std::size_t> chooseObject(ChangeKind kind, float grownBy)
    {
        std::vector<std::pair<double, std::size_t>> ranked;
        for (std::size_t i = 0; i < m_scene.objects.size(); ++i) {
            const PlantObject &o = m_scene.objects[i];
            if (m_used[i] || m_tried.count({i, int(kind)}))
                continue;
            if (kind == ChangeKind::Copied && o.radius > 30)
                continue;
            const Circle reach {int(o.centre.x), int(o.centre.y), int(std::ceil(o.radius * grownBy)) + 3};
            if (!clear(reach))
                continue;
            ranked.push_back({o.contrast * std::sqrt(double(o.area)) * spread(o.centre), i});
        }
        if (ranked.empty())
            return std::nullopt;
        std::stable_sort(ranked.begin(), ranked.end(), [](const auto &p, const auto &q) { return p.first > q.first; });
        const int pick = m_random.below(std::min(Choices, int(ranked.size())));
        const std::size_t chosen = ranked[std::size_t(pick)].second;
        m_tried.insert({chosen, int(kind)});
        return chosen;
    }

    // Plain ground for a thing of that radius, far from the other circles;
    // near `near` when given.
    std::optional<cv::Point> choosePlace(int radius, std::optional<cv::Point2f> near)
    {
        std::optional<cv::Point> best;
        double bestSpread = -1;
        for (int attempt = 0; attempt < 48; ++attempt) {
            cv::Point place;
            if (near) {
                const double angle = m_random.below(360) * M_PI / 180;
                const double distance = 2.0 * radius + 8 + m_random.below(70);
                place = {int(std::lround(near->x + distance * std::cos(angle))),
                    int(std::lround(near->y + distance * std::sin(angle)))};
            } else {
                place = {m_random.between(radius, m_scene.bgr.cols - radius - 1),
                    m_random.between(radius, m_scene.bgr.rows - radius - 1)};
            }
            if (!plainPlace(m_scene, place, radius + 3) || !clear({place.x, place.y, radius + 3}))
                continue;
            const double s = spread(place);
            if (s > bestSpread) {
                bestSpread = s;
                best = place;
            }
            if (near || s >= 1.0)
                break;
        }
        return best;
    }

    std::optional<PlantedChange> tryKind(ChangeKind kind, const std::optional<PlantedChange> &unlike)
    {
        MadeChange made;
        std::optional<std::size_t> object;
        bool madeIt = false;
        switch (kind) {
        case ChangeKind::Removed:
            object = chooseObject(kind, 1.0f);
            madeIt = object && removeObject(m_scene, m_scene.objects[*object], made);
            break;
        case ChangeKind::Recoloured:
            object = chooseObject(kind, 1.0f);
            madeIt = object && recolourObject(m_scene, m_scene.objects[*object], m_random, made);
            break;
        case ChangeKind::Mirrored:
            object = chooseObject(kind, 1.0f);
            madeIt = object && mirrorObject(m_scene, m_scene.objects[*object], made);
            break;
        case ChangeKind::Resized:
            object = chooseObject(kind, 1.5f);
            madeIt = object && resizeObject(m_scene, m_scene.objects[*object], m_random, made);
            break;
        case ChangeKind::Copied:
            object = chooseObject(kind, 1.0f);
            if (object) {
                const PlantObject &o = m_scene.objects[*object];
                if (const std::optional<cv::Point> place = choosePlace(int(std::ceil(o.radius)), o.centre))
                    madeIt = copyObject(m_scene, o, *place, made);
            }
            break;
        case ChangeKind::Added: {
            const int radius = int(std::ceil(std::sqrt(m_scene.smallestChange / 1.2))) + 2;
            if (const std::optional<cv::Point> place = choosePlace(radius, std::nullopt))
                madeIt = addDetail(m_scene, *place, radius, m_random, made);
            break;
        }
        }
        if (!madeIt)
            return std::nullopt;
        const std::optional<ChangeLook> look = lookAt(m_scene, made);
        if (!look || look->circle.r > LargestRadius || !inside(look->circle) || !clear(look->circle)
            || look->visible < m_scene.smallestChange
            || look->parts != 1 || look->seam > LargestSeam || skinWithin(m_scene, look->circle))
            return std::nullopt;
        if (unlike && unlike->kind == kind && hits(unlike->circle, look->circle.x, look->circle.y))
            return std::nullopt;
        compose(made.picture, look->circle);
        m_taken.push_back(look->circle);
        ++m_planted[std::size_t(kind)];
        if (object)
            m_used[*object] = true;
        return PlantedChange {look->circle, kind};
    }

    // The change goes into B inside its circle only: outside, B stays A.
    void compose(const cv::Mat &changed, const Circle &circle)
    {
        for (int y = std::max(0, circle.y - circle.r); y <= std::min(m_b.rows - 1, circle.y + circle.r); ++y)
            for (int x = std::max(0, circle.x - circle.r); x <= std::min(m_b.cols - 1, circle.x + circle.r); ++x)
                if (hits(circle, x, y))
                    m_b.at<cv::Vec3b>(y, x) = changed.at<cv::Vec3b>(y, x);
    }

    const PlantScene &m_scene;
    PlantRandom &m_random;
    cv::Mat m_b;
    std::vector<bool> m_used;
    std::set<std::pair<std::size_t, int>> m_tried;
    std::vector<Circle> m_taken;
    std::vector<ChangeKind> m_order {AllKinds.begin(), AllKinds.end()};
    // A question mixes its kinds, and shapes added onto nothing in
    // particular are a few of its differences at most.
    std::array<int, AllKinds.size()> m_planted {};
    int m_mostOfAKind;
    int m_mostAdded;
};

QString tooFewProblem(int wanted, int planted)
{
    return QStringLiteral("この写真では、子どもが見つけやすい違いを %1 か所作れませんでした（作れたのは %2 か所）。"
                          "色や形のはっきりした物がいくつか写った写真にするか、違いの数を減らしてください。")
        .arg(wanted)
        .arg(planted);
}

// A's pixels inside the circle copied into B.
void restore(const cv::Mat &a, cv::Mat &b, const Circle &circle)
{
    for (int y = std::max(0, circle.y - circle.r); y <= std::min(b.rows - 1, circle.y + circle.r); ++y)
        for (int x = std::max(0, circle.x - circle.r); x <= std::min(b.cols - 1, circle.x + circle.r); ++x)
            if (hits(circle, x, y))
                b.at<cv::Vec3b>(y, x) = a.at<cv::Vec3b>(y, x);
}

} // namespace

Planting plantDifferences(const QImage &a, int count, quint64 seed, const std::atomic_bool *cancel)
{
    Planting planting;
    const PlantScene scene = analyseForPlanting(a, count);
    PlantRandom random(seed);
    Planter planter(scene, random, scene.bgr.clone(), count);
    planter.shuffleKinds();
    for (int i = 0; i < count; ++i) {
        if (cancel && cancel->load()) {
            planting.cancelled = true;
            return planting;
        }
        const std::optional<PlantedChange> change = planter.plantOne(std::size_t(i));
        if (!change) {
            planting.problem = tooFewProblem(count, i);
            break;
        }
        planting.changes.push_back(*change);
    }
    planting.b = toImage(planter.picture());
    return planting;
}

Planting replantOne(const QImage &a, const Planting &current, int index, quint64 seed)
{
    if (index < 0 || index >= int(current.changes.size()))
        return current;
    const PlantScene scene = analyseForPlanting(a, int(current.changes.size()));
    cv::Mat b = toMat(current.b);
    const PlantedChange old = current.changes[std::size_t(index)];
    restore(scene.bgr, b, old.circle);
    PlantRandom random(seed);
    Planter planter(scene, random, b, int(current.changes.size()));
    planter.shuffleKinds();
    for (std::size_t i = 0; i < current.changes.size(); ++i)
        if (int(i) != index)
            planter.keep(current.changes[i].circle, current.changes[i].kind);
    const std::optional<PlantedChange> change = planter.plantOne(0, old);
    Planting replanted = current;
    if (!change) {
        replanted.problem = QStringLiteral("この違いは、ほかの形に作り直せませんでした。");
        return replanted;
    }
    replanted.problem.clear();
    replanted.changes[std::size_t(index)] = *change;
    replanted.b = toImage(planter.picture());
    return replanted;
}

Planting putBack(const QImage &a, const Planting &current, int index)
{
    if (index < 0 || index >= int(current.changes.size()))
        return current;
    Planting result = current;
    cv::Mat b = toMat(current.b);
    restore(toMat(a), b, current.changes[std::size_t(index)].circle);
    result.b = toImage(b);
    result.changes.erase(result.changes.begin() + index);
    return result;
}

} // namespace Author

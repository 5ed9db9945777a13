// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "author/finder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace Author {

namespace {

// Below these the pictures count as equal: a colour step of 24 out of 255
// after the blur is far above what JPEG at quality 70 or a camera's gentle
// noise leaves on a picture that did not change.
constexpr int MinStrongStep = 24;
constexpr int MinWeakStep = 12;
// Changed pixels this close together belong to one thing a child can spot.
constexpr int MergeGap = 6;
// Room around the changed pixels, for the outline a child aims at.
constexpr int Margin = 2;
// The side of the squares a large area is cut into: each gets a circle of
// radius at most 99 (half the diagonal, the margin and half a pixel).
constexpr int SplitSide = 130;

// The three colour planes of a picture after a light blur (a 5-tap binomial
// filter along rows, then along columns), in 1/16 steps of colour.
struct BlurredPicture
{
    std::array<std::vector<std::uint16_t>, 3> planes;
};

// One row filtered: the edge pixels repeated beyond the edge.
void blurRow(const std::uint8_t *in, std::uint16_t *out, int w)
{
    const auto at = [&](int x) { return std::uint16_t(in[std::clamp(x, 0, w - 1)]); };
    for (int x = 0; x < w; ++x) {
        if (x < 2 || x >= w - 2) {
            out[x] = std::uint16_t(at(x - 2) + 4 * at(x - 1) + 6 * at(x) + 4 * at(x + 1) + at(x + 2));
            continue;
        }
        out[x] = std::uint16_t(in[x - 2] + 4 * in[x - 1] + 6 * in[x] + 4 * in[x + 1] + in[x + 2]);
    }
}

BlurredPicture blurred(const QImage &source)
{
    const QImage image = source.format() == QImage::Format_RGB32 || source.format() == QImage::Format_ARGB32
        ? source
        : source.convertToFormat(QImage::Format_RGB32);
    const int w = image.width();
    const int h = image.height();
    const std::size_t count = std::size_t(w) * h;
    std::array<std::vector<std::uint8_t>, 3> raw;
    for (auto &plane : raw)
        plane.resize(count);
    for (int y = 0; y < h; ++y) {
        const auto *line = reinterpret_cast<const quint32 *>(image.constScanLine(y));
        const std::size_t row = std::size_t(y) * w;
        for (int x = 0; x < w; ++x) {
            raw[0][row + x] = std::uint8_t(line[x] >> 16);
            raw[1][row + x] = std::uint8_t(line[x] >> 8);
            raw[2][row + x] = std::uint8_t(line[x]);
        }
    }
    BlurredPicture out;
    std::vector<std::uint16_t> rows(count);
    for (std::size_t c = 0; c < 3; ++c) {
        for (int y = 0; y < h; ++y)
            blurRow(raw[c].data() + std::size_t(y) * w, rows.data() + std::size_t(y) * w, w);
        std::vector<std::uint16_t> &plane = out.planes[c];
        plane.resize(count);
        for (int y = 0; y < h; ++y) {
            const auto row = [&](int k) { return rows.data() + std::size_t(std::clamp(y + k, 0, h - 1)) * w; };
            const std::uint16_t *r0 = row(-2), *r1 = row(-1), *r2 = row(0), *r3 = row(1), *r4 = row(2);
            std::uint16_t *target = plane.data() + std::size_t(y) * w;
            for (int x = 0; x < w; ++x)
                target[x] = std::uint16_t((r0[x] + 4 * r1[x] + 6 * r2[x] + 4 * r3[x] + r4[x] + 8) >> 4);
        }
    }
    return out;
}

// The largest colour step between the blurred pictures at each pixel, 0 to 255.
std::vector<std::uint8_t> colourSteps(const BlurredPicture &a, const BlurredPicture &b)
{
    std::vector<std::uint8_t> steps(a.planes[0].size());
    for (std::size_t i = 0; i < steps.size(); ++i) {
        int largest = 0;
        for (std::size_t c = 0; c < 3; ++c)
            largest = std::max(largest, std::abs(int(a.planes[c][i]) - int(b.planes[c][i])));
        steps[i] = std::uint8_t(std::min(255, (largest + 8) >> 4));
    }
    return steps;
}

// The threshold for a sure change, from the noise level: most pixels did not
// change, so the median step is the noise of the pair.
int strongStep(const std::vector<std::uint8_t> &steps)
{
    std::array<std::size_t, 256> histogram {};
    for (std::uint8_t s : steps)
        ++histogram[s];
    std::size_t seen = 0;
    int median = 0;
    while (median < 255 && (seen += histogram[std::size_t(median)]) * 2 < steps.size())
        ++median;
    return std::max(MinStrongStep, 5 * median + 8);
}

// Where the whole 3 x 3 square around a pixel is at or above the step (the
// picture's edge repeated beyond it): one noisy pixel or a thin seam of JPEG
// ringing never passes.
std::vector<std::uint8_t> solidSeeds(const std::vector<std::uint8_t> &steps, int w, int h, int step)
{
    // The smallest step of each 3 x 3 square, along rows and then along columns.
    std::vector<std::uint8_t> rowLeast(steps.size());
    for (int y = 0; y < h; ++y) {
        const std::uint8_t *in = steps.data() + std::size_t(y) * w;
        std::uint8_t *out = rowLeast.data() + std::size_t(y) * w;
        for (int x = 0; x < w; ++x)
            out[x] = std::min({in[std::max(x - 1, 0)], in[x], in[std::min(x + 1, w - 1)]});
    }
    std::vector<std::uint8_t> seeds(steps.size());
    for (int y = 0; y < h; ++y) {
        const std::uint8_t *above = rowLeast.data() + std::size_t(std::max(y - 1, 0)) * w;
        const std::uint8_t *middle = rowLeast.data() + std::size_t(y) * w;
        const std::uint8_t *below = rowLeast.data() + std::size_t(std::min(y + 1, h - 1)) * w;
        std::uint8_t *out = seeds.data() + std::size_t(y) * w;
        for (int x = 0; x < w; ++x)
            out[x] = std::min({above[x], middle[x], below[x]}) >= step ? 1 : 0;
    }
    return seeds;
}

// Spreads from the pixels on the stack to each of their 8 neighbours that
// `take` accepts (and marks), and on from those.
template <typename Take>
void spread(std::vector<int> &stack, int w, int h, Take take)
{
    while (!stack.empty()) {
        const int i = stack.back();
        stack.pop_back();
        const int x = i % w;
        const int y = i / w;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const int nx = x + dx;
                const int ny = y + dy;
                if (nx < 0 || ny < 0 || nx >= w || ny >= h)
                    continue;
                const int n = ny * w + nx;
                if (take(std::size_t(n)))
                    stack.push_back(n);
            }
    }
}

// Grows the seeds into every connected pixel at or above the weak step.
std::vector<std::uint8_t> grown(std::vector<std::uint8_t> mask, const std::vector<std::uint8_t> &steps, int w, int h,
    int weakStep)
{
    std::vector<int> stack;
    for (std::size_t i = 0; i < mask.size(); ++i)
        if (mask[i])
            stack.push_back(int(i));
    spread(stack, w, h, [&](std::size_t n) {
        if (mask[n] || steps[n] < weakStep)
            return false;
        mask[n] = 1;
        return true;
    });
    return mask;
}

// Sets each of n cells (stride apart) whose window of `by` cells either side
// holds a set cell of the input.
void widenLine(const std::uint8_t *in, std::uint8_t *out, int n, std::size_t stride, int by)
{
    int inWindow = 0;
    for (int i = 0; i < std::min(by, n); ++i)
        inWindow += in[std::size_t(i) * stride];
    for (int i = 0; i < n; ++i) {
        if (i + by < n)
            inWindow += in[std::size_t(i + by) * stride];
        if (i - by - 1 >= 0)
            inWindow -= in[std::size_t(i - by - 1) * stride];
        out[std::size_t(i) * stride] = inWindow > 0 ? 1 : 0;
    }
}

// The mask widened by `by` pixels in every direction (a square).
std::vector<std::uint8_t> widened(const std::vector<std::uint8_t> &mask, int w, int h, int by)
{
    std::vector<std::uint8_t> rows(mask.size(), 0);
    for (int y = 0; y < h; ++y)
        widenLine(mask.data() + std::size_t(y) * w, rows.data() + std::size_t(y) * w, w, 1, by);
    std::vector<std::uint8_t> out(mask.size(), 0);
    for (int x = 0; x < w; ++x)
        widenLine(rows.data() + x, out.data() + x, h, std::size_t(w), by);
    return out;
}

// The connected parts (8 neighbours) of a mask: a label per pixel, 0 outside.
int labelParts(const std::vector<std::uint8_t> &mask, int w, int h, std::vector<int> &labels)
{
    labels.assign(mask.size(), 0);
    int count = 0;
    std::vector<int> stack;
    for (std::size_t start = 0; start < mask.size(); ++start) {
        if (!mask[start] || labels[start])
            continue;
        labels[start] = ++count;
        stack.push_back(int(start));
        spread(stack, w, h, [&](std::size_t n) {
            if (!mask[n] || labels[n])
                return false;
            labels[n] = count;
            return true;
        });
    }
    return count;
}

// The circle around some pixels: centred on their bounds, reaching the far
// side of the farthest pixel, plus the margin; its radius not yet clamped.
Circle enclosing(const std::vector<QPoint> &pixels, const QRect &bounds, int margin)
{
    const QPoint centre((bounds.left() + bounds.right() + 1) / 2, (bounds.top() + bounds.bottom() + 1) / 2);
    qint64 farthest = 0;
    for (const QPoint &p : pixels) {
        const qint64 dx = p.x() - centre.x();
        const qint64 dy = p.y() - centre.y();
        farthest = std::max(farthest, dx * dx + dy * dy);
    }
    return {centre.x(), centre.y(), int(std::ceil(std::sqrt(double(farthest)) + 0.5)) + margin};
}

Circle clamped(Circle circle)
{
    circle.r = std::clamp(circle.r, SmallestRadius, LargestRadius);
    return circle;
}

// The circles for one area: one, or one per square of a grid laid over an
// area too large for one.
std::vector<Circle> circlesForArea(const ChangedArea &area, int margin)
{
    const Circle whole = enclosing(area.pixels, area.bounds, margin);
    if (whole.r <= LargestRadius)
        return {clamped(whole)};
    const int columns = (area.bounds.width() + SplitSide - 1) / SplitSide;
    const int rows = (area.bounds.height() + SplitSide - 1) / SplitSide;
    const int cellWidth = (area.bounds.width() + columns - 1) / columns;
    const int cellHeight = (area.bounds.height() + rows - 1) / rows;
    std::vector<ChangedArea> cells(std::size_t(columns) * rows);
    for (const QPoint &p : area.pixels) {
        const int column = (p.x() - area.bounds.left()) / cellWidth;
        const int row = (p.y() - area.bounds.top()) / cellHeight;
        ChangedArea &cell = cells[std::size_t(row) * columns + column];
        cell.pixels.push_back(p);
        cell.bounds = cell.bounds.isNull() ? QRect(p, p) : cell.bounds.united(QRect(p, p));
    }
    std::vector<Circle> circles;
    for (const ChangedArea &cell : cells)
        if (!cell.pixels.empty())
            circles.push_back(clamped(enclosing(cell.pixels, cell.bounds, margin)));
    return circles;
}

} // namespace

std::vector<ChangedArea> changedAreas(const QImage &a, const QImage &b)
{
    Q_ASSERT(a.size() == b.size());
    const int w = a.width();
    const int h = a.height();
    if (w <= 0 || h <= 0 || a.size() != b.size())
        return {};
    const std::vector<std::uint8_t> steps = colourSteps(blurred(a), blurred(b));
    const int strong = strongStep(steps);
    const int weak = std::max(MinWeakStep, strong / 2);
    const std::vector<std::uint8_t> changed = grown(solidSeeds(steps, w, h, strong), steps, w, h, weak);

    std::vector<int> labels;
    const int count = labelParts(widened(changed, w, h, MergeGap / 2), w, h, labels);
    std::vector<ChangedArea> areas(static_cast<std::size_t>(count));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::size_t i = std::size_t(y) * w + x;
            if (!changed[i])
                continue;
            ChangedArea &area = areas[std::size_t(labels[i] - 1)];
            area.pixels.emplace_back(x, y);
            area.bounds = area.bounds.isNull() ? QRect(x, y, 1, 1) : area.bounds.united(QRect(x, y, 1, 1));
        }
    std::erase_if(areas, [](const ChangedArea &area) { return area.pixels.empty(); });
    return areas;
}

std::vector<Circle> circlesFor(const std::vector<ChangedArea> &areas)
{
    std::vector<std::vector<Circle>> perArea;
    for (const ChangedArea &area : areas)
        perArea.push_back(circlesForArea(area, Margin));
    // Circles of different areas must not overlap, or one click would find
    // either: where they would, both give up their margin.
    for (std::size_t i = 0; i < perArea.size(); ++i)
        for (std::size_t j = i + 1; j < perArea.size(); ++j) {
            bool touching = false;
            for (const Circle &c : perArea[i])
                for (const Circle &d : perArea[j])
                    touching = touching || overlap(c, d);
            if (touching) {
                perArea[i] = circlesForArea(areas[i], 0);
                perArea[j] = circlesForArea(areas[j], 0);
            }
        }
    std::vector<Circle> circles;
    for (const std::vector<Circle> &some : perArea)
        circles.insert(circles.end(), some.begin(), some.end());
    return circles;
}

std::vector<Circle> findDifferences(const QImage &a, const QImage &b)
{
    return circlesFor(changedAreas(a, b));
}

} // namespace Author

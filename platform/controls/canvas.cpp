// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/controls/canvas.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

// The pixel rows and columns of a box, clipped to the image: [from, to).
struct Span
{
    int from;
    int to;
};

Span clipped(double from, double to, int limit)
{
    const double lo = std::clamp(std::floor(from), 0.0, double(limit));
    const double hi = std::clamp(std::ceil(to) + 1.0, 0.0, double(limit));
    return { int(lo), int(hi) };
}

void order(int &a, int &b)
{
    if (a > b)
        std::swap(a, b);
}

} // namespace

Canvas::Canvas(std::function<QImage &()> pixels, bool blank, std::function<void()> changed)
    : m_pixels(std::move(pixels))
    , m_changed(std::move(changed))
    , m_blank(blank)
{
}

bool Canvas::willPaint()
{
    const bool allWhite = m_penColor.rgb() == Brush;
    if (m_blank && allWhite)
        return false;
    m_blank = m_blank && allWhite;
    return true;
}

void Canvas::setPenColor(const QColor &color)
{
    m_penColor = color;
}

void Canvas::setPenWidth(int width)
{
    m_penWidth = std::max(1, width);
}

void Canvas::rectangle(int x1, int y1, int x2, int y2)
{
    if (!willPaint())
        return;
    QImage &image = m_pixels();
    order(x1, x2);
    order(y1, y2);
    if (x1 < x2 && y1 < y2) {
        // The border rows and columns, in 64 bits so far-off boxes cannot overflow.
        const double left = x1, right = double(x2) - 1, top = y1, bottom = double(y2) - 1;
        const double half = m_penWidth / 2.0;
        const Span xs = clipped(left - half, right + half, image.width());
        const Span ys = clipped(top - half, bottom + half, image.height());
        const QRgb pen = m_penColor.rgb();
        const QRgb brush = Brush;
        // What each column is, worked out once rather than again on every row:
        // clearing the whole overlay touches every pixel of it.
        enum : unsigned char { NearColumn = 1, WithinColumns = 2, InsideColumns = 4 };
        std::vector<unsigned char> columns(std::size_t(std::max(0, xs.to - xs.from)));
        for (int x = xs.from; x < xs.to; ++x) {
            unsigned char kind = 0;
            if (std::abs(x - left) <= half || std::abs(x - right) <= half)
                kind |= NearColumn;
            if (x >= left - half && x <= right + half)
                kind |= WithinColumns;
            if (x >= left && x <= right)
                kind |= InsideColumns;
            columns[std::size_t(x - xs.from)] = kind;
        }
        // A row is one of few kinds (near the top or bottom edge, between
        // them, outside them); each kind is painted once, then copied.
        std::vector<QRgb> painted[2][2][2];
        for (int y = ys.from; y < ys.to; ++y) {
            auto *row = reinterpret_cast<QRgb *>(image.scanLine(y)) + xs.from;
            const bool nearRow = std::abs(y - top) <= half || std::abs(y - bottom) <= half;
            const bool withinRows = y >= top - half && y <= bottom + half;
            const bool insideRows = y >= top && y <= bottom;
            std::vector<QRgb> &pattern = painted[nearRow][withinRows][insideRows];
            if (pattern.empty()) {
                pattern.assign(row, row + columns.size());
                for (std::size_t i = 0; i < columns.size(); ++i) {
                    const unsigned char kind = columns[i];
                    if ((nearRow && (kind & WithinColumns)) || ((kind & NearColumn) && withinRows))
                        pattern[i] = pen;
                    else if ((kind & InsideColumns) && insideRows)
                        pattern[i] = brush;
                }
            }
            std::copy(pattern.begin(), pattern.end(), row);
        }
    }
    if (m_changed)
        m_changed();
}

void Canvas::ellipse(int x1, int y1, int x2, int y2)
{
    if (!willPaint())
        return;
    QImage &image = m_pixels();
    order(x1, x2);
    order(y1, y2);
    if (x1 < x2 && y1 < y2) {
        const double cx = (double(x1) + x2) / 2, cy = (double(y1) + y2) / 2;
        const double a = (double(x2) - x1) / 2, b = (double(y2) - y1) / 2;
        const double half = m_penWidth / 2.0;
        const Span xs = clipped(cx - a - half, cx + a + half, image.width());
        const Span ys = clipped(cy - b - half, cy + b + half, image.height());
        const QRgb pen = m_penColor.rgb();
        const QRgb brush = Brush;
        for (int y = ys.from; y < ys.to; ++y) {
            auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
            const double dy = y - cy;
            for (int x = xs.from; x < xs.to; ++x) {
                const double dx = x - cx;
                // Distance from the curve, negative inside: the level of the
                // ellipse's equation divided by the length of its gradient,
                // exact for circles.
                const double f = std::sqrt(dx * dx / (a * a) + dy * dy / (b * b));
                double distance;
                if (f == 0) {
                    distance = -std::min(a, b);
                } else {
                    const double gradient
                        = std::sqrt(dx * dx / (a * a * a * a) + dy * dy / (b * b * b * b)) / f;
                    distance = (f - 1) / gradient;
                }
                if (std::abs(distance) <= half)
                    row[x] = pen;
                else if (distance < 0)
                    row[x] = brush;
            }
        }
    }
    if (m_changed)
        m_changed();
}

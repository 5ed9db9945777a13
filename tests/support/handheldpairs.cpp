// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/handheldpairs.h"

#include "author/cvimage.h"
#include "tools/shapes.h"

#include <QPainter>
#include <QPainterPath>

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <optional>
#include <random>

namespace HandHeldPairs {

namespace {

struct Toy
{
    QPainterPath path;
    QColor fill;
    QPointF centre;
    double r = 0; // reaches every part of the toy, its outline included
};

const QColor colours[] = {QColor(0xe0, 0x30, 0x30), QColor(0xf0, 0x90, 0x20), QColor(0xf0, 0xd8, 0x30),
    QColor(0x40, 0xa0, 0x40), QColor(0x30, 0x60, 0xd0), QColor(0x80, 0x40, 0xb0), QColor(0xf0, 0x80, 0xb0),
    QColor(0x70, 0x48, 0x28), QColor(0xf4, 0xf4, 0xf0), QColor(0x28, 0x28, 0x30)};

class Maker
{
public:
    Maker(QSize size, unsigned seed) : m_size(size), m_random(seed)
    {
        m_unit = std::min(size.width(), size.height()) / 750.0;
        m_margin = 0.06 * std::max(size.width(), size.height());
    }

    double margin() const { return m_margin; }
    double uniform(double low, double high) { return std::uniform_real_distribution<double>(low, high)(m_random); }
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

    // The table and its toys, drawn on a canvas a margin larger than the photo.
    void lay(int differences)
    {
        const QSizeF canvas(m_size.width() + 2 * m_margin, m_size.height() + 2 * m_margin);
        for (int i = 0; i < 40; ++i)
            if (auto toy = freeToy(QRectF(QPointF(0, 0), canvas), 18, 55))
                m_toys.push_back(*toy);
        // The differences, well inside the middle square of photo A.
        const double side = std::min(m_size.width(), m_size.height());
        const QRectF middle(m_margin + (m_size.width() - side) / 2, m_margin + (m_size.height() - side) / 2, side, side);
        const QRectF inner = middle.adjusted(0.14 * side, 0.14 * side, -0.14 * side, -0.14 * side);
        std::vector<std::size_t> candidates;
        for (std::size_t i = 0; i < m_toys.size(); ++i)
            if (inner.contains(m_toys[i].centre))
                candidates.push_back(i);
        std::shuffle(candidates.begin(), candidates.end(), m_random);
        m_toysB = m_toys;
        for (int d = 0, tries = 0; d < differences && tries < 60; ++tries) {
            const int kind = below(4);
            if (kind == 2) { // a toy added
                auto toy = freeToy(inner, 16, 40);
                if (!toy || !apart({toy->centre.x(), toy->centre.y(), toy->r}))
                    continue;
                m_toysB.push_back(*toy);
                m_truth.push_back({toy->centre.x(), toy->centre.y(), toy->r});
                ++d;
                continue;
            }
            if (candidates.empty())
                break;
            const std::size_t i = candidates.back();
            candidates.pop_back();
            Toy &toy = m_toysB[i];
            Truth truth {toy.centre.x(), toy.centre.y(), toy.r};
            if (kind == 3) { // moved by most of its size
                const double angle = uniform(0, 2 * M_PI);
                const double distance = uniform(0.6, 0.9) * toy.r;
                const QPointF by(distance * std::cos(angle), distance * std::sin(angle));
                truth = {toy.centre.x() + by.x() / 2, toy.centre.y() + by.y() / 2, toy.r + distance / 2};
                if (!apart(truth))
                    continue;
                toy.path.translate(by);
                toy.centre += by;
            } else if (!apart(truth)) {
                continue;
            } else if (kind == 0) {
                toy.fill = Qt::transparent; // taken away
            } else {
                QColor other = toy.fill;
                while (std::abs(other.red() - toy.fill.red()) + std::abs(other.green() - toy.fill.green())
                        + std::abs(other.blue() - toy.fill.blue()) < 200)
                    other = colours[below(10)];
                toy.fill = other;
            }
            m_truth.push_back(truth);
            ++d;
        }
    }

    cv::Mat draw(const std::vector<Toy> &toys, unsigned textureSeed)
    {
        const QSize canvas(int(m_size.width() + 2 * m_margin), int(m_size.height() + 2 * m_margin));
        QImage image(canvas, QImage::Format_RGB32);
        image.fill(QColor(0xc8, 0xa8, 0x80));
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        // Wood grain: long faint strokes, the same in both shots.
        std::mt19937 grain(textureSeed);
        std::uniform_real_distribution<double> along(0, 1);
        for (int i = 0; i < 220; ++i) {
            const double y = along(grain) * canvas.height();
            const int shade = int(along(grain) * 60) - 30;
            painter.setPen(QPen(QColor(0xc8 + shade / 2, 0xa8 + shade / 2, 0x80 + shade / 3), (1 + 5 * along(grain)) * m_unit));
            painter.drawLine(QPointF(0, y), QPointF(canvas.width(), y + (along(grain) - 0.5) * 80 * m_unit));
        }
        for (int i = 0; i < 600; ++i) {
            const int shade = int(along(grain) * 50) - 25;
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(0xc0 + shade, 0xa0 + shade, 0x78 + shade / 2));
            painter.drawEllipse(QPointF(along(grain) * canvas.width(), along(grain) * canvas.height()),
                (2 + 6 * along(grain)) * m_unit, (1 + 3 * along(grain)) * m_unit);
        }
        for (const Toy &toy : toys) {
            if (toy.fill.alpha() == 0)
                continue;
            QRadialGradient shine(toy.centre - QPointF(toy.r / 3, toy.r / 3), toy.r * 1.3);
            shine.setColorAt(0, toy.fill.lighter(125));
            shine.setColorAt(1, toy.fill.darker(115));
            painter.setBrush(shine);
            painter.setPen(QPen(QColor(0x30, 0x28, 0x28), 2.5 * m_unit));
            painter.drawPath(toy.path);
        }
        painter.end();
        cv::Mat bgr = Author::toMat(image);
        // Light from one side of the room, falling off across the table.
        cv::Mat light(9, 12, CV_32F);
        const double lx = m_lightX, ly = m_lightY;
        for (int y = 0; y < light.rows; ++y)
            for (int x = 0; x < light.cols; ++x)
                light.at<float>(y, x) = float(1.08 - 0.35 * std::hypot(x / 11.0 - lx, y / 8.0 - ly) / 1.25);
        // In 1/128 steps, so a 48-megapixel canvas stays in bytes.
        light.convertTo(light, CV_8U, 128);
        cv::resize(light, light, bgr.size(), 0, 0, cv::INTER_LINEAR);
        cv::Mat light3;
        cv::merge(std::vector<cv::Mat> {light, light, light}, light3);
        cv::multiply(bgr, light3, bgr, 1.0 / 128);
        return bgr;
    }

    void placeLight()
    {
        m_lightX = uniform(0, 1);
        m_lightY = uniform(0, 1);
    }

    const std::vector<Toy> &toysA() const { return m_toys; }
    const std::vector<Toy> &toysB() const { return m_toysB; }
    const std::vector<Truth> &truth() const { return m_truth; }

private:
    std::optional<Toy> freeToy(const QRectF &area, double smallest, double largest)
    {
        for (int attempt = 0; attempt < 100; ++attempt) {
            const double r = uniform(smallest, largest) * m_unit;
            const QPointF c(uniform(area.left() + r, area.right() - r), uniform(area.top() + r, area.bottom() - r));
            const bool clear = std::none_of(m_toys.begin(), m_toys.end(), [&](const Toy &other) {
                return std::hypot(c.x() - other.centre.x(), c.y() - other.centre.y()) < r + other.r + 20 * m_unit;
            });
            if (!clear)
                continue;
            Toy toy;
            toy.centre = c;
            toy.r = r + 3 * m_unit;
            toy.fill = colours[below(10)];
            switch (below(5)) {
            case 0: toy.path = Paths::circle(c.x(), c.y(), r); break;
            case 1: toy.path = Paths::star(c.x(), c.y(), r, r / 2); break;
            case 2: toy.path = Paths::roundRect(c.x() - r * 0.7, c.y() - r * 0.7, 1.4 * r, 1.4 * r, r / 5); break;
            case 3: toy.path = Paths::ellipse(c.x(), c.y(), r, r * 0.6); break;
            default:
                toy.path = Paths::polygon({QPointF(c.x(), c.y() - r), QPointF(c.x() + r * 0.87, c.y() + r / 2),
                    QPointF(c.x() - r * 0.87, c.y() + r / 2)});
            }
            return toy;
        }
        return std::nullopt;
    }

    // Far enough from every difference already planted to be told apart.
    bool apart(const Truth &t) const
    {
        return std::none_of(m_truth.begin(), m_truth.end(), [&](const Truth &other) {
            return std::hypot(t.x - other.x, t.y - other.y) < t.r + other.r + 40 * m_unit;
        });
    }

    QSize m_size;
    std::mt19937 m_random;
    double m_unit = 1;
    double m_margin = 0;
    double m_lightX = 0.5, m_lightY = 0.5;
    std::vector<Toy> m_toys;
    std::vector<Toy> m_toysB;
    std::vector<Truth> m_truth;
};

cv::Matx33d matrixOf(const QTransform &t)
{
    return {t.m11(), t.m21(), t.m31(), t.m12(), t.m22(), t.m32(), t.m13(), t.m23(), t.m33()};
}

void addNoise(cv::Mat &bgr, unsigned seed)
{
    cv::theRNG().state = seed;
    cv::Mat noise(bgr.size(), CV_16SC3);
    cv::randn(noise, 0, 2.5);
    cv::add(bgr, noise, bgr, cv::noArray(), CV_8UC3);
}

} // namespace

Shot randomShot(unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> either(-1, 1);
    return {2.0 * either(random), 0.03 * std::abs(either(random)), 0.03 * either(random), 1e-5 * either(random),
        0.12 * either(random)};
}

Pair make(QSize size, unsigned seed, const Shot &shot, int differences)
{
    Maker maker(size, seed);
    maker.lay(differences);
    maker.placeLight();
    const cv::Mat canvasA = maker.draw(maker.toysA(), seed);
    const cv::Mat canvasB = differences > 0 ? maker.draw(maker.toysB(), seed) : canvasA;
    const double m = maker.margin();
    const double cx = size.width() / 2.0, cy = size.height() / 2.0;
    const double direction = maker.uniform(0, 2 * M_PI);
    const double shift = shot.shift * std::max(size.width(), size.height());
    const double tilt = shot.tilt * 1000.0 / std::max(size.width(), size.height());
    const QTransform bToCanvas = QTransform::fromTranslate(-cx, -cy) * QTransform(1, 0, tilt, 0, 1, tilt / 2, 0, 0, 1)
        * QTransform().rotate(shot.turnDegrees) * QTransform::fromScale(1 + shot.scale, 1 + shot.scale)
        * QTransform::fromTranslate(cx + m + shift * std::cos(direction), cy + m + shift * std::sin(direction));

    Pair pair;
    cv::Mat a = canvasA(cv::Rect(int(m), int(m), size.width(), size.height())).clone();
    // The crop starts on a whole pixel: A's frame is the canvas moved by it.
    pair.aToB = QTransform::fromTranslate(int(m), int(m)) * bToCanvas.inverted();
    cv::Mat b;
    cv::warpPerspective(canvasB, b, cv::Mat(matrixOf(bToCanvas)), cv::Size(size.width(), size.height()),
        cv::INTER_LINEAR | cv::WARP_INVERSE_MAP, cv::BORDER_REFLECT);
    b.convertTo(b, -1, 1 + shot.exposure, 4 * shot.exposure);
    addNoise(a, seed * 2 + 1);
    addNoise(b, seed * 2 + 2);
    pair.a = Author::toImage(a);
    pair.b = Author::toImage(b);
    for (const Truth &t : maker.truth())
        pair.differences.push_back({t.x - int(m), t.y - int(m), t.r});
    return pair;
}

} // namespace HandHeldPairs

// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/shapes.h"

#include <QtMath>

namespace Paths {

QPainterPath rect(qreal x, qreal y, qreal w, qreal h)
{
    QPainterPath p;
    p.addRect(x, y, w, h);
    return p;
}

QPainterPath roundRect(qreal x, qreal y, qreal w, qreal h, qreal radius)
{
    QPainterPath p;
    p.addRoundedRect(x, y, w, h, radius, radius);
    return p;
}

QPainterPath ellipse(qreal cx, qreal cy, qreal rx, qreal ry)
{
    QPainterPath p;
    p.addEllipse(QPointF(cx, cy), rx, ry);
    return p;
}

QPainterPath circle(qreal cx, qreal cy, qreal r)
{
    return ellipse(cx, cy, r, r);
}

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath p;
    p.addPolygon(QPolygonF(QList<QPointF>(points)));
    p.closeSubpath();
    return p;
}

QPainterPath star(qreal cx, qreal cy, qreal outer, qreal inner, int points)
{
    QPolygonF poly;
    for (int i = 0; i < points * 2; ++i) {
        const qreal angle = -M_PI / 2 + i * M_PI / points;
        const qreal r = i % 2 == 0 ? outer : inner;
        poly << QPointF(cx + r * std::cos(angle), cy + r * std::sin(angle));
    }
    QPainterPath p;
    p.addPolygon(poly);
    p.closeSubpath();
    return p;
}

QPainterPath heart(qreal cx, qreal cy, qreal size)
{
    const qreal s = size / 2;
    QPainterPath p;
    p.moveTo(cx, cy + s);
    p.cubicTo(cx - 1.6 * s, cy - 0.1 * s, cx - 0.9 * s, cy - 1.3 * s, cx, cy - 0.5 * s);
    p.cubicTo(cx + 0.9 * s, cy - 1.3 * s, cx + 1.6 * s, cy - 0.1 * s, cx, cy + s);
    p.closeSubpath();
    return p;
}

QPainterPath line(qreal x1, qreal y1, qreal x2, qreal y2)
{
    QPainterPath p;
    p.moveTo(x1, y1);
    p.lineTo(x2, y2);
    return p;
}

QPainterPath curve(qreal x1, qreal y1, qreal cx, qreal cy, qreal x2, qreal y2)
{
    QPainterPath p;
    p.moveTo(x1, y1);
    p.quadTo(cx, cy, x2, y2);
    return p;
}

QPainterPath cloud(qreal cx, qreal cy, qreal size)
{
    const qreal s = size / 4;
    QPainterPath p = ellipse(cx, cy + s * 0.3, s * 2, s * 0.9);
    p = p.united(circle(cx - s * 0.8, cy, s * 0.9));
    p = p.united(circle(cx + s * 0.5, cy - s * 0.3, s * 1.1));
    return p.simplified();
}

} // namespace Paths

namespace Motifs {

void landscape(Scene &scene, const QColor &sky, const QColor &ground, qreal horizon)
{
    scene.add(Paths::rect(0, 0, PictureSide, PictureSide), sky, Palette::none);
    scene.add(Paths::rect(0, horizon, PictureSide, PictureSide - horizon), ground, Palette::none);
}

int sun(Scene &scene, qreal cx, qreal cy, qreal r)
{
    const int first = scene.add(Paths::circle(cx, cy, r), Palette::yellow, Palette::orange, 3);
    QPainterPath rays;
    for (int i = 0; i < 8; ++i) {
        const qreal a = i * M_PI / 4;
        rays.moveTo(cx + (r + 5) * std::cos(a), cy + (r + 5) * std::sin(a));
        rays.lineTo(cx + (r + 14) * std::cos(a), cy + (r + 14) * std::sin(a));
    }
    scene.add(rays, Palette::none, Palette::orange, 4);
    return first;
}

int tree(Scene &scene, qreal x, qreal groundY, qreal size, const QColor &crown)
{
    const int first
        = scene.add(Paths::rect(x - size * 0.12, groundY - size, size * 0.24, size), Palette::brown);
    scene.add(Paths::cloud(x, groundY - size * 1.05, size * 1.1), crown);
    return first;
}

int flower(Scene &scene, qreal x, qreal y, const QColor &petals, qreal stemLength)
{
    const int first = scene.add(Paths::line(x, y, x, y + stemLength), Palette::none, Palette::green, 4);
    QPainterPath p;
    for (int i = 0; i < 5; ++i) {
        const qreal a = -M_PI / 2 + i * 2 * M_PI / 5;
        p = p.united(Paths::circle(x + 9 * std::cos(a), y + 9 * std::sin(a), 7));
    }
    scene.add(p.simplified(), petals);
    scene.add(Paths::circle(x, y, 5), Palette::yellow);
    return first;
}

Shape birdShape(qreal cx, qreal cy)
{
    QPainterPath p = Paths::curve(cx - 14, cy - 4, cx - 7, cy - 10, cx, cy);
    p.moveTo(cx, cy);
    p.quadTo(cx + 7, cy - 10, cx + 14, cy - 4);
    return Shape { p, Palette::none, Palette::black, 3 };
}

int bird(Scene &scene, qreal cx, qreal cy)
{
    return scene.add(birdShape(cx, cy));
}

} // namespace Motifs

// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tools/scene.h"

#include <QPainterPath>
#include <QPointF>

#include <initializer_list>

// Outlines for drawing the question pictures, in picture pixels.
namespace Paths {
QPainterPath rect(qreal x, qreal y, qreal w, qreal h);
QPainterPath roundRect(qreal x, qreal y, qreal w, qreal h, qreal radius);
QPainterPath ellipse(qreal cx, qreal cy, qreal rx, qreal ry);
QPainterPath circle(qreal cx, qreal cy, qreal r);
QPainterPath polygon(std::initializer_list<QPointF> points);
QPainterPath star(qreal cx, qreal cy, qreal outer, qreal inner, int points = 5);
QPainterPath heart(qreal cx, qreal cy, qreal size);
QPainterPath line(qreal x1, qreal y1, qreal x2, qreal y2);
// An open curve from (x1, y1) to (x2, y2) bent through (cx, cy).
QPainterPath curve(qreal x1, qreal y1, qreal cx, qreal cy, qreal x2, qreal y2);
QPainterPath cloud(qreal cx, qreal cy, qreal size);
} // namespace Paths

// Pieces that many scenes share. Each adds its shapes to the scene and returns
// the index of its first shape; the others follow in the order listed.
namespace Motifs {
// Sky above y = horizon, ground below it.
void landscape(Scene &scene, const QColor &sky, const QColor &ground, qreal horizon);
// A sun with rays: the disc, then the rays.
int sun(Scene &scene, qreal cx, qreal cy, qreal r);
// Trunk, then crown.
int tree(Scene &scene, qreal x, qreal groundY, qreal size, const QColor &crown = QColor(0x3c, 0xb0, 0x44));
// Stem, petals, centre.
int flower(Scene &scene, qreal x, qreal y, const QColor &petals, qreal stemLength = 40);
// Left half-wing, right half-wing of a small bird seen from afar.
int bird(Scene &scene, qreal cx, qreal cy);
Shape birdShape(qreal cx, qreal cy);
} // namespace Motifs

// Bright colours that read well for small children.
namespace Palette {
inline const QColor red { 0xe8, 0x30, 0x30 };
inline const QColor orange { 0xff, 0x98, 0x20 };
inline const QColor yellow { 0xff, 0xe0, 0x30 };
inline const QColor green { 0x3c, 0xb0, 0x44 };
inline const QColor lightGreen { 0x9c, 0xe0, 0x60 };
inline const QColor blue { 0x30, 0x70, 0xe0 };
inline const QColor skyBlue { 0xa8, 0xdc, 0xff };
inline const QColor purple { 0x9a, 0x4c, 0xd8 };
inline const QColor pink { 0xff, 0x9c, 0xc8 };
inline const QColor brown { 0x9a, 0x60, 0x30 };
inline const QColor white { 0xff, 0xff, 0xff };
inline const QColor black { 0x30, 0x28, 0x28 };
inline const QColor grey { 0xa0, 0xa0, 0xa8 };
inline const QColor none { 0, 0, 0, 0 };
} // namespace Palette

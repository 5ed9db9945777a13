// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/makericon.h"

#include "tools/shapes.h"

#include <QPainter>

namespace {
const QColor frame { 0x20, 0x50, 0xc0 };
const QColor sky { 0xb0, 0xe0, 0xff };
const QColor grass { 0x50, 0xc0, 0x50 };
const QColor sun { 0xff, 0xd8, 0x20 };
const QColor ring { 0xe0, 0x10, 0x10 };
const QColor wood { 0xf0, 0xb0, 0x40 };
const QColor lead { 0x40, 0x30, 0x30 };

// One little picture: sky, a hill and, on the left one only, the sun.
void picture(QPainter &p, qreal x, bool withSun)
{
    p.setPen(QPen(frame, 1.2));
    p.setBrush(sky);
    p.drawRect(QRectF(x, 6, 13, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(grass);
    p.drawPath(Paths::ellipse(x + 6.5, 19, 8, 4).intersected(Paths::rect(x + 0.6, 6.6, 11.8, 11.8)));
    if (withSun) {
        p.setBrush(sun);
        p.drawPath(Paths::circle(x + 9.5, 9.5, 2));
    }
}
} // namespace

QImage drawMakerThemeIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.scale(size / 32.0, size / 32.0);
    p.setRenderHint(QPainter::Antialiasing);
    picture(p, 1.5, true);
    picture(p, 17.5, false);
    // Where the sun is missing, the answer's ring.
    p.setPen(QPen(ring, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(Paths::circle(27, 9.5, 3.2));
    // The pencil, across the lower right corner.
    p.save();
    p.translate(20, 25);
    p.rotate(-45);
    p.setPen(QPen(lead, 0.8));
    p.setBrush(wood);
    p.drawRect(QRectF(-8, -2, 12, 4));
    p.drawPath(Paths::polygon({{4, -2}, {8, 0}, {4, 2}}));
    p.setBrush(lead);
    p.drawPath(Paths::polygon({{6.5, -0.7}, {8, 0}, {6.5, 0.7}}));
    p.restore();
    p.end();
    return image;
}

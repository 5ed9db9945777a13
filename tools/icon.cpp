// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/icon.h"

#include "tools/shapes.h"

#include <QPainter>

#include <algorithm>

namespace {

const QColor starFill { 0xff, 0xd8, 0x20 };
const QColor starEdge { 0xc0, 0x70, 0x00 };
const QColor face { 0x40, 0x20, 0x10 };
const QColor rim { 0x20, 0x50, 0xc0 };
const QColor handle { 0xa0, 0x50, 0x20 };
const QColor cheek { 0xff, 0x70, 0x90 };

// The picture on a 32-pixel grid, scaled to size x size.
QImage paintIcon(int size, bool smooth)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.scale(size / 32.0, size / 32.0);
    p.setRenderHint(QPainter::Antialiasing, smooth);

    p.setPen(QPen(starEdge, 1.5));
    p.setBrush(starFill);
    p.drawPath(Paths::star(12.5, 13, 12.5, 6));
    p.setPen(Qt::NoPen);
    p.setBrush(face);
    p.drawRect(QRectF(9, 11, 2, 2));
    p.drawRect(QRectF(14, 11, 2, 2));
    if (size >= 32) {
        // Too small to read at 16 pixels.
        p.setBrush(cheek);
        p.drawRect(QRectF(7, 15, 2, 1));
        p.drawRect(QRectF(16, 15, 2, 1));
        p.setPen(QPen(face, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(9.5, 12, 6, 4), 200 * 16, 140 * 16);
    }

    p.setPen(QPen(handle, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(26, 26), QPointF(30, 30));
    p.setPen(QPen(rim, 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(22, 22), 6, 6);
    p.end();
    return image;
}

} // namespace

QImage drawIcon(int size)
{
    // Without antialiasing only the colours above appear.
    const QImage image = paintIcon(size, false);
    QList<QRgb> table;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (!table.contains(image.pixel(x, y)))
                table.append(image.pixel(x, y));
    return image.convertToFormat(QImage::Format_Indexed8, table, Qt::ThresholdDither | Qt::AvoidDither);
}

QImage drawThemeIcon(int size)
{
    return paintIcon(size, true);
}

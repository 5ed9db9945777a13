// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plantscenes.h"

#include <QPainter>

namespace PlantScenes {

namespace {

QPainterPath ellipse(qreal x, qreal y, qreal rx, qreal ry)
{
    QPainterPath path;
    path.addEllipse(QPointF(x, y), rx, ry);
    return path;
}

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QImage ground()
{
    QImage image(350, 350, QImage::Format_RGB32);
    for (int y = 0; y < 350; ++y)
        for (int x = 0; x < 350; ++x)
            image.setPixel(x, y, qRgb(200 + x / 30, 222 - y / 40, 190));
    return image;
}

void draw(QImage &image, const std::vector<Thing> &list)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Thing &thing : list) {
        painter.setPen(QPen(QColor(0x40, 0x30, 0x30), 2));
        painter.setBrush(thing.fill);
        painter.drawPath(thing.outline);
    }
}

} // namespace

std::vector<Thing> things()
{
    return {
        {polygon({{50, 50}, {110, 50}, {110, 70}, {70, 70}, {70, 110}, {50, 110}}), QColor(0xd0, 0x20, 0x20)},
        {polygon({{240, 45}, {300, 60}, {250, 100}}), QColor(0x20, 0x50, 0xd0)},
        {ellipse(80, 260, 32, 18), QColor(0xf0, 0xc0, 0x10)},
        {polygon({{230, 240}, {300, 240}, {300, 262}, {252, 262}, {252, 300}, {230, 300}}), QColor(0x30, 0xa0, 0x30)},
        {polygon({{160, 150}, {200, 160}, {190, 200}, {165, 190}}), QColor(0x90, 0x30, 0xa0)},
        {ellipse(175, 60, 16, 16), QColor(0x70, 0x70, 0x70)},
        {polygon({{288, 145}, {312, 145}, {312, 160}, {300, 160}, {300, 178}, {288, 178}}), QColor(0xf0, 0x80, 0x10)},
        {polygon({{30, 160}, {62, 172}, {36, 196}}), QColor(0x20, 0xb0, 0xc0)},
        {polygon({{160, 300}, {196, 292}, {192, 318}}), QColor(0xe0, 0x60, 0xa0)},
        {polygon({{240, 160}, {262, 164}, {258, 190}, {244, 184}}), QColor(0x80, 0x50, 0x20)},
    };
}

QImage objects()
{
    QImage image = ground();
    draw(image, things());
    return image;
}

QImage face()
{
    QImage image = ground();
    std::vector<Thing> around = things();
    around.erase(around.begin() + 4); // the purple one sits where the face goes
    around.erase(around.begin() + 4); // and the grey one above it
    draw(image, around);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x40, 0x30, 0x30), 2));
    painter.setBrush(QColor(0xf5, 0xd0, 0xb0));
    painter.drawEllipse(QPointF(FaceCentre, FaceCentre), FaceRadius, FaceRadius);
    painter.setBrush(QColor(0xff, 0xff, 0xff));
    painter.drawEllipse(QPointF(150, 160), 12, 9);
    painter.drawEllipse(QPointF(200, 160), 12, 9);
    painter.setBrush(QColor(0x30, 0x20, 0x20));
    painter.drawEllipse(QPointF(152, 161), 5, 5);
    painter.drawEllipse(QPointF(202, 161), 5, 5);
    painter.setBrush(QColor(0xf0, 0x90, 0xa0));
    painter.drawEllipse(QPointF(135, 195), 11, 8);
    painter.drawEllipse(QPointF(215, 195), 11, 8);
    painter.setBrush(QColor(0xd0, 0x30, 0x30));
    painter.drawChord(QRectF(145, 185, 60, 40), 180 * 16, 180 * 16);
    painter.setBrush(QColor(0xe0, 0x40, 0x30));
    painter.drawEllipse(QPointF(175, 180), 9, 9);
    return image;
}

QImage nearTheEdges()
{
    QImage image = ground();
    draw(image,
        {{polygon({{10, 10}, {50, 10}, {50, 24}, {24, 24}, {24, 50}, {10, 50}}), QColor(0xd0, 0x20, 0x20)},
            {polygon({{300, 12}, {339, 20}, {310, 52}}), QColor(0x20, 0x50, 0xd0)},
            {ellipse(34, 175, 24, 14), QColor(0xf0, 0xc0, 0x10)},
            {polygon({{300, 300}, {340, 300}, {340, 340}, {326, 340}, {326, 314}, {300, 314}}), QColor(0x30, 0xa0, 0x30)},
            {polygon({{150, 315}, {200, 320}, {170, 340}}), QColor(0x90, 0x30, 0xa0)},
            {ellipse(318, 170, 20, 12), QColor(0xf0, 0x80, 0x10)}});
    return image;
}

QImage flat(const QColor &colour, int side)
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace PlantScenes

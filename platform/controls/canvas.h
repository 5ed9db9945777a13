// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <functional>

class QImage;

// Drawing on a bitmap the way the overlay needs it. The pen starts black and
// 1 pixel wide, the brush is solid white. Everything is clipped to the bitmap;
// each drawing call reports a change so the view can repaint.
//
// Geometry: a box (x1, y1, x2, y2) spans the pixels x1 .. x2 - 1 and
// y1 .. y2 - 1. A pixel belongs to the pen when its distance from the outline
// is at most half the pen width, so a pen w pixels wide covers w pixels
// across a straight edge (for odd w), half inside and half outside.
class Canvas
{
public:
    // pixels: the bitmap drawn on, asked for only when a shape changes a
    // pixel, so a blank overlay that is only wiped never makes one.
    // blank: every pixel of that bitmap is white, as a new overlay is.
    Canvas(std::function<QImage &()> pixels, bool blank, std::function<void()> changed);

    void setPenColor(const QColor &color);
    QColor penColor() const { return m_penColor; }
    // Widths below 1 draw 1 pixel wide.
    void setPenWidth(int width);
    int penWidth() const { return m_penWidth; }
    // Every pixel still white: nothing but white has been drawn on a blank bitmap.
    bool blank() const { return m_blank; }

    // Filled with the brush, outlined with the pen centred on the border
    // rows and columns x1, x2 - 1, y1, y2 - 1: with a 1-pixel pen it covers
    // exactly x1 .. x2 - 1, y1 .. y2 - 1.
    void rectangle(int x1, int y1, int x2, int y2);
    // The ellipse inscribed in the box, centred on ((x1 + x2) / 2, (y1 + y2) / 2)
    // with radii (x2 - x1) / 2 and (y2 - y1) / 2, filled with the brush and
    // outlined with the pen centred on the curve: a circle of radius r drawn
    // with a 5-pixel pen is coloured from r - 2 to r + 2 from its centre. A box
    // without width or height draws nothing.
    void ellipse(int x1, int y1, int x2, int y2);

private:
    // False when the shape cannot change a pixel: white on a blank bitmap.
    bool willPaint();

    // Shapes are filled white: the overlay is white where nothing is drawn.
    static constexpr QRgb Brush = 0xffffffffu;

    std::function<QImage &()> m_pixels;
    std::function<void()> m_changed;
    QColor m_penColor = Qt::black;
    int m_penWidth = 1;
    bool m_blank;
};

// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/controls/bevelpanel.h"

#include <QApplication>
#include <QPainter>

BevelPanel::BevelPanel(QWidget *parent)
    : QWidget(parent)
{
    // A panel does not take its parent's colour: it starts in the button face.
    setColor(QApplication::palette().color(QPalette::Button));
}

void BevelPanel::setColor(const QColor &color)
{
    m_color = color;
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
    update();
}

void BevelPanel::setTextColor(const QColor &color)
{
    m_textColor = color;
    update();
}

QColor BevelPanel::textColor() const
{
    return m_textColor.isValid() ? m_textColor : palette().color(QPalette::WindowText);
}

void BevelPanel::setBevelOuter(Bevel bevel)
{
    m_outer = bevel;
    update();
}

void BevelPanel::setBevelInner(Bevel bevel)
{
    m_inner = bevel;
    update();
}

void BevelPanel::setBevelWidth(int width)
{
    m_bevelWidth = qMax(0, width);
    update();
}

void BevelPanel::setBorderWidth(int width)
{
    m_borderWidth = qMax(0, width);
    update();
}

void BevelPanel::setCaption(const QString &caption)
{
    m_caption = caption;
    update();
}

int BevelPanel::clientInset() const
{
    return (m_outer != Bevel::None ? m_bevelWidth : 0) + m_borderWidth
        + (m_inner != Bevel::None ? m_bevelWidth : 0);
}

QRect BevelPanel::clientRect() const
{
    const int inset = clientInset();
    return rect().adjusted(inset, inset, -inset, -inset);
}

// One ring per pixel of width: the light side takes the top row and the left
// column, the dark side the right column and the bottom row (corners included).
void BevelPanel::drawBevel(QPainter &painter, QRect &r, Bevel bevel) const
{
    if (bevel == Bevel::None)
        return;
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Dark);
    const QColor topLeft = bevel == Bevel::Raised ? light : dark;
    const QColor bottomRight = bevel == Bevel::Raised ? dark : light;
    for (int i = 0; i < m_bevelWidth && r.width() > 0 && r.height() > 0; ++i) {
        painter.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), topLeft);
        painter.fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), topLeft);
        painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
        painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
        r.adjust(1, 1, -1, -1);
    }
}

void BevelPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_color);
    QRect r = rect();
    drawBevel(painter, r, m_outer);
    r.adjust(m_borderWidth, m_borderWidth, -m_borderWidth, -m_borderWidth);
    drawBevel(painter, r, m_inner);
    if (m_caption.isEmpty() || r.isEmpty())
        return;
    painter.setClipRect(r);
    painter.setFont(font());
    painter.setPen(textColor());
    painter.drawText(
        r, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic | Qt::TextDontClip, m_caption);
}

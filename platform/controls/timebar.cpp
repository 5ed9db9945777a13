// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/controls/timebar.h"

#include <QApplication>
#include <QPainter>

#include <algorithm>

TimeBar::TimeBar(QWidget *parent)
    : QWidget(parent)
    , m_background(QApplication::palette().color(QPalette::Button))
{
}

void TimeBar::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
    update();
}

void TimeBar::setPosition(int position)
{
    m_position = position;
    update();
}

void TimeBar::setBackground(const QColor &color)
{
    m_background = color;
    update();
}

QColor TimeBar::fillColor() const
{
    return palette().color(QPalette::Highlight);
}

QRect TimeBar::inside() const
{
    return rect().adjusted(1, 1, -1, -1);
}

int TimeBar::filledWidth() const
{
    if (m_maximum <= m_minimum)
        return 0;
    const qint64 span = qint64(m_maximum) - m_minimum;
    const qint64 done = std::clamp<qint64>(qint64(m_position) - m_minimum, 0, span);
    return int(done * std::max(0, inside().width()) / span);
}

void TimeBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect r = rect();
    // Sunken: dark at the top and left, light at the bottom and right.
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), palette().color(QPalette::Dark));
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), palette().color(QPalette::Dark));
    painter.fillRect(QRect(r.left() + 1, r.bottom(), r.width() - 1, 1), palette().color(QPalette::Light));
    painter.fillRect(QRect(r.right(), r.top() + 1, 1, r.height() - 1), palette().color(QPalette::Light));
    const QRect in = inside();
    painter.fillRect(in, m_background);
    painter.fillRect(QRect(in.left(), in.top(), filledWidth(), in.height()), fillColor());
}

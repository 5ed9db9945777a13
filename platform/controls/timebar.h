// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QWidget>

// A smooth horizontal bar in a sunken frame, filled from the left in
// proportion to its position within the range. A position outside the range
// is shown as the nearer end; an empty range shows an empty bar.
class TimeBar : public QWidget
{
    Q_OBJECT

public:
    explicit TimeBar(QWidget *parent = nullptr);

    void setRange(int minimum, int maximum);
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    // Kept as given; only the drawing is clamped.
    void setPosition(int position);
    int position() const { return m_position; }

    void setBackground(const QColor &color);
    QColor background() const { return m_background; }
    QColor fillColor() const;

    // Width of the filled part inside the frame, in pixels.
    int filledWidth() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect inside() const;

    int m_minimum = 0;
    int m_maximum = 100;
    int m_position = 0;
    QColor m_background;
};

// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QWidget>

// A rectangle in its colour with a frame drawn inside its bounds, from the
// outside in: the outer bevel, the border in the panel's own colour, the inner
// bevel. Its caption is drawn centred on one line beneath its children.
class BevelPanel : public QWidget
{
    Q_OBJECT

public:
    enum class Bevel { None, Raised, Lowered };

    explicit BevelPanel(QWidget *parent = nullptr);

    // Also the colour children inherit (labels that fill with their parent's).
    void setColor(const QColor &color);
    QColor color() const { return m_color; }
    void setTextColor(const QColor &color);
    QColor textColor() const;

    void setBevelOuter(Bevel bevel);
    Bevel bevelOuter() const { return m_outer; }
    void setBevelInner(Bevel bevel);
    Bevel bevelInner() const { return m_inner; }
    void setBevelWidth(int width);
    int bevelWidth() const { return m_bevelWidth; }
    void setBorderWidth(int width);
    int borderWidth() const { return m_borderWidth; }

    void setCaption(const QString &caption);
    QString caption() const { return m_caption; }

    // Width of the frame on each side: a child placed at (inset, inset) with
    // the size of clientRect() fills the inside.
    int clientInset() const;
    QRect clientRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void drawBevel(QPainter &painter, QRect &r, Bevel bevel) const;

    QColor m_color;
    QColor m_textColor;
    Bevel m_outer = Bevel::Raised;
    Bevel m_inner = Bevel::None;
    int m_bevelWidth = 1;
    int m_borderWidth = 0;
    QString m_caption;
};

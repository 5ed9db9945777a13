// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "author/circle.h"

#include <QGraphicsObject>

namespace Maker {

// One answer circle on picture B, drawn as a vector ring with its number.
// Dragging inside moves it, dragging its rim resizes it; the edit is only
// shown until the mouse lets go, then offered as one step through edited().
class CircleItem : public QGraphicsObject
{
    Q_OBJECT

public:
    CircleItem(int index, const Author::Circle &circle, QGraphicsItem *parent = nullptr);

    int index() const { return m_index; }
    Author::Circle circle() const { return m_circle; }
    void setCircle(const Author::Circle &circle);
    void setWarning(const QString &text);
    void setEditable(bool editable);

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    // Within this many screen pixels of the ring, a drag resizes.
    static constexpr double RimGrip = 5.0;

signals:
    void edited(int index, const Author::Circle &after);

protected:
    void hoverMoveEvent(QGraphicsSceneHoverEvent *event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;

private:
    enum class Drag { None, Move, Resize };
    bool onRim(const QPointF &scenePos) const;
    double screenScale() const;

    int m_index;
    Author::Circle m_circle;
    Author::Circle m_pressed;
    QPointF m_pressPos;
    Drag m_drag = Drag::None;
    QString m_warning;
    bool m_editable = true;
};

// A pixel's centre in the scene, where the picture's pixels are unit squares.
QPointF pixelCentre(int x, int y);
// The pixel a point of the scene falls in.
QPoint pixelOf(const QPointF &scenePos);

} // namespace Maker

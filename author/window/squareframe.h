// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGraphicsObject>

namespace Maker {

// The square over photo A that becomes the question: drag inside to move
// it, drag a corner or turn the wheel to resize it. It stays a square and
// stays on the photo. Its rectangle is in the scene, where the photo lies
// scaled by the view.
class SquareFrame : public QGraphicsObject
{
    Q_OBJECT

public:
    explicit SquareFrame(QGraphicsItem *parent = nullptr);

    // The photo's area in the scene and the smallest side the frame may take.
    void setBounds(const QRectF &photo, double smallestSide);
    void setSquare(const QRectF &square);
    QRectF square() const { return m_square; }

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    static constexpr double HandleSize = 10.0; // screen pixels

signals:
    // The grown-up let go of the frame at a new place or size.
    void chosen(const QRectF &square);

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    void wheelEvent(QGraphicsSceneWheelEvent *event) override;
    void hoverMoveEvent(QGraphicsSceneHoverEvent *event) override;

private:
    int cornerAt(const QPointF &pos) const; // 0..3 clockwise from top-left, or -1
    double handleSide() const;
    QRectF fitted(QRectF square) const;

    QRectF m_bounds;
    QRectF m_square;
    QRectF m_pressedSquare;
    QPointF m_pressPos;
    double m_smallest = 16.0;
    int m_corner = -1;
    bool m_dragging = false;
};

} // namespace Maker

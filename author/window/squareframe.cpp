// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "author/window/squareframe.h"

#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsSceneWheelEvent>
#include <QGraphicsView>
#include <QPainter>

namespace Maker {

SquareFrame::SquareFrame(QGraphicsItem *parent)
    : QGraphicsObject(parent)
{
    setAcceptHoverEvents(true);
    setCursor(Qt::SizeAllCursor);
    setZValue(1);
}

void SquareFrame::setBounds(const QRectF &photo, double smallestSide)
{
    prepareGeometryChange();
    m_bounds = photo;
    m_smallest = qMin(smallestSide, qMin(photo.width(), photo.height()));
}

void SquareFrame::setSquare(const QRectF &square)
{
    prepareGeometryChange();
    m_square = fitted(square);
}

QRectF SquareFrame::fitted(QRectF square) const
{
    const double largest = qMin(m_bounds.width(), m_bounds.height());
    const double side = qBound(m_smallest, square.width(), largest);
    square.setSize({side, side});
    if (square.left() < m_bounds.left())
        square.moveLeft(m_bounds.left());
    if (square.top() < m_bounds.top())
        square.moveTop(m_bounds.top());
    if (square.right() > m_bounds.right())
        square.moveRight(m_bounds.right());
    if (square.bottom() > m_bounds.bottom())
        square.moveBottom(m_bounds.bottom());
    return square;
}

double SquareFrame::handleSide() const
{
    const QList<QGraphicsView *> views = scene() ? scene()->views() : QList<QGraphicsView *>();
    const double scale = views.isEmpty() ? 1.0 : qMax(0.01, views.first()->transform().m11());
    return HandleSize / scale;
}

QRectF SquareFrame::boundingRect() const
{
    return m_bounds.adjusted(-handleSide(), -handleSide(), handleSide(), handleSide());
}

void SquareFrame::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    // The photo outside the square is dimmed: what stays bright is the question.
    QPainterPath outside;
    outside.addRect(m_bounds);
    QPainterPath inside;
    inside.addRect(m_square);
    painter->fillPath(outside.subtracted(inside), QColor(0, 0, 0, 120));
    QPen pen(Qt::white, 2.0);
    pen.setCosmetic(true);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(m_square);
    const double h = handleSide();
    painter->setBrush(Qt::white);
    for (const QPointF &corner : {m_square.topLeft(), m_square.topRight(), m_square.bottomRight(), m_square.bottomLeft()})
        painter->drawRect(QRectF(corner - QPointF(h / 2, h / 2), QSizeF(h, h)));
}

int SquareFrame::cornerAt(const QPointF &pos) const
{
    const QPointF corners[] = {m_square.topLeft(), m_square.topRight(), m_square.bottomRight(), m_square.bottomLeft()};
    const double h = handleSide();
    for (int i = 0; i < 4; ++i)
        if (qAbs(pos.x() - corners[i].x()) <= h && qAbs(pos.y() - corners[i].y()) <= h)
            return i;
    return -1;
}

void SquareFrame::hoverMoveEvent(QGraphicsSceneHoverEvent *event)
{
    const int corner = cornerAt(event->pos());
    if (corner < 0)
        setCursor(m_square.contains(event->pos()) ? Qt::SizeAllCursor : Qt::ArrowCursor);
    else
        setCursor(corner % 2 == 0 ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor);
}

void SquareFrame::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    m_corner = cornerAt(event->pos());
    if (event->button() != Qt::LeftButton || (m_corner < 0 && !m_square.contains(event->pos()))) {
        event->ignore();
        return;
    }
    m_dragging = true;
    m_pressedSquare = m_square;
    m_pressPos = event->pos();
}

void SquareFrame::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    if (!m_dragging)
        return;
    const QPointF delta = event->pos() - m_pressPos;
    QRectF next = m_pressedSquare;
    if (m_corner < 0) {
        next.translate(delta);
    } else {
        // The opposite corner stays put; the side follows the larger pull.
        const QPointF corners[] = {m_pressedSquare.topLeft(), m_pressedSquare.topRight(),
            m_pressedSquare.bottomRight(), m_pressedSquare.bottomLeft()};
        const QPointF anchor = corners[(m_corner + 2) % 4];
        const QPointF moved = corners[m_corner] + delta;
        const double largest = qMin(m_bounds.width(), m_bounds.height());
        double side = qBound(m_smallest, qMax(qAbs(moved.x() - anchor.x()), qAbs(moved.y() - anchor.y())), largest);
        const double dx = moved.x() < anchor.x() ? -1 : 1;
        const double dy = moved.y() < anchor.y() ? -1 : 1;
        // Never past the photo's edge on the side that grows.
        side = qMin(side, dx < 0 ? anchor.x() - m_bounds.left() : m_bounds.right() - anchor.x());
        side = qMin(side, dy < 0 ? anchor.y() - m_bounds.top() : m_bounds.bottom() - anchor.y());
        side = qMax(side, m_smallest);
        next = QRectF(anchor, anchor + QPointF(dx * side, dy * side)).normalized();
    }
    setSquare(next);
}

void SquareFrame::mouseReleaseEvent(QGraphicsSceneMouseEvent *)
{
    if (!m_dragging)
        return;
    m_dragging = false;
    if (m_square != m_pressedSquare)
        emit chosen(m_square);
}

void SquareFrame::wheelEvent(QGraphicsSceneWheelEvent *event)
{
    // A notch makes the square a tenth larger or smaller about its middle.
    const double factor = event->delta() > 0 ? 1.1 : 1 / 1.1;
    const QPointF middle = m_square.center();
    const double side = m_square.width() * factor;
    const QRectF before = m_square;
    setSquare(QRectF(middle.x() - side / 2, middle.y() - side / 2, side, side));
    if (m_square != before)
        emit chosen(m_square);
    event->accept();
}

} // namespace Maker

// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "author/window/circleitem.h"

#include "rules/answerlines.h"
#include "rules/circles.h"

#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <QtMath>

namespace Maker {

QPointF pixelCentre(int x, int y)
{
    return {x + 0.5, y + 0.5};
}

QPoint pixelOf(const QPointF &scenePos)
{
    return {qFloor(scenePos.x()), qFloor(scenePos.y())};
}

CircleItem::CircleItem(int index, const Author::Circle &circle, QGraphicsItem *parent)
    : QGraphicsObject(parent)
    , m_index(index)
    , m_circle(circle)
{
    setFlags(ItemIsSelectable | ItemIsFocusable);
    setAcceptHoverEvents(true);
    setPos(pixelCentre(circle.x, circle.y));
}

void CircleItem::setCircle(const Author::Circle &circle)
{
    if (circle == m_circle)
        return;
    prepareGeometryChange();
    m_circle = circle;
    setPos(pixelCentre(circle.x, circle.y));
}

void CircleItem::setWarning(const QString &text)
{
    if (text == m_warning)
        return;
    m_warning = text;
    setToolTip(text);
    update();
}

void CircleItem::setEditable(bool editable)
{
    m_editable = editable;
    setFlag(ItemIsSelectable, editable);
    setCursor(editable ? Qt::OpenHandCursor : Qt::ArrowCursor);
}

QRectF CircleItem::boundingRect() const
{
    const double reach = m_circle.r + 4.0;
    // Room for the number beside the ring.
    return QRectF(-reach, -reach - 14.0, 2 * reach + 20.0, 2 * reach + 14.0);
}

QPainterPath CircleItem::shape() const
{
    QPainterPath path;
    const double reach = m_circle.r + RimGrip / screenScale();
    path.addEllipse(QPointF(), reach, reach);
    return path;
}

void CircleItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    painter->setRenderHint(QPainter::Antialiasing);
    const bool warned = !m_warning.isEmpty();
    const QColor ring = warned ? QColor(255, 160, 0) : QColor(230, 0, 0);
    // Pens are cosmetic: the ring stays two screen pixels wide at any zoom.
    QPen pen(ring, isSelected() ? 3.0 : 2.0);
    pen.setCosmetic(true);
    if (warned)
        pen.setStyle(Qt::DashLine);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawEllipse(QPointF(), m_circle.r, m_circle.r);
    if (isSelected()) {
        QPen white(Qt::white, 1.0, Qt::DotLine);
        white.setCosmetic(true);
        painter->setPen(white);
        painter->drawEllipse(QPointF(), m_circle.r + 2.0, m_circle.r + 2.0);
    }
    QFont font = painter->font();
    font.setPixelSize(12);
    font.setBold(true);
    painter->setFont(font);
    const QRectF label(m_circle.r * 0.7, -m_circle.r * 0.7 - 14.0, 20.0, 14.0);
    painter->setPen(Qt::NoPen);
    painter->setBrush(QColor(255, 255, 255, 200));
    painter->drawRoundedRect(label, 3, 3);
    painter->setPen(ring.darker(130));
    painter->drawText(label, Qt::AlignCenter, QString::number(m_index + 1));
}

double CircleItem::screenScale() const
{
    const QList<QGraphicsView *> views = scene() ? scene()->views() : QList<QGraphicsView *>();
    return views.isEmpty() ? 1.0 : qMax(0.01, views.first()->transform().m11());
}

bool CircleItem::onRim(const QPointF &scenePos) const
{
    const QPointF offset = scenePos - pos();
    const double distance = qSqrt(offset.x() * offset.x() + offset.y() * offset.y());
    return qAbs(distance - m_circle.r) * screenScale() <= RimGrip;
}

void CircleItem::hoverMoveEvent(QGraphicsSceneHoverEvent *event)
{
    if (m_editable)
        setCursor(onRim(event->scenePos()) ? Qt::SizeFDiagCursor : Qt::OpenHandCursor);
    QGraphicsObject::hoverMoveEvent(event);
}

void CircleItem::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    if (!m_editable || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    QGraphicsObject::mousePressEvent(event); // selects
    m_pressed = m_circle;
    m_pressPos = event->scenePos();
    m_drag = onRim(event->scenePos()) ? Drag::Resize : Drag::Move;
}

void CircleItem::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    // Whole pixels, as the answer file counts them.
    const QPoint pixel = pixelOf(event->scenePos());
    Author::Circle next = m_pressed;
    if (m_drag == Drag::Move) {
        const QPoint moved = QPoint(m_pressed.x, m_pressed.y) + pixel - pixelOf(m_pressPos);
        next.x = moved.x();
        next.y = moved.y();
    } else if (m_drag == Drag::Resize) {
        const double dx = pixel.x() - m_pressed.x;
        const double dy = pixel.y() - m_pressed.y;
        const int radius = qRound(qSqrt(dx * dx + dy * dy));
        next.r = qBound(SmallestRadius, radius, LargestRadius);
    } else {
        return;
    }
    setCircle(next);
}

void CircleItem::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    const Drag drag = m_drag;
    m_drag = Drag::None;
    QGraphicsObject::mouseReleaseEvent(event);
    if (drag != Drag::None && m_circle != m_pressed)
        emit edited(m_index, m_circle);
}

} // namespace Maker

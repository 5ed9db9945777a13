// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "author/window/pictureview.h"

#include "author/window/circleitem.h"

#include <QGraphicsEllipseItem>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QPen>
#include <QWheelEvent>

#include <cmath>

namespace Maker {

namespace {
constexpr int Side = 350;
}

PictureView::PictureView(QWidget *parent)
    : QGraphicsView(parent)
    , m_picture(new QGraphicsPixmapItem)
{
    auto *scene = new QGraphicsScene(this);
    scene->setSceneRect(0, 0, Side, Side);
    scene->setBackgroundBrush(palette().color(QPalette::Window));
    m_picture->setTransformationMode(Qt::SmoothTransformation);
    m_picture->setZValue(-1);
    scene->addItem(m_picture);
    setScene(scene);
    setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    setViewportUpdateMode(QGraphicsView::SmartViewportUpdate);
    setAlignment(Qt::AlignCenter);
    setZoom(1.0);
}

void PictureView::setPicture(const QImage &picture)
{
    m_picture->setPixmap(QPixmap::fromImage(picture));
    m_picture->setScale(1.0);
    m_picture->setPos(0, 0);
}

double PictureView::setFittedPhoto(const QImage &photo)
{
    const double scale = double(Side) / qMax(photo.width(), photo.height());
    // Kept sharp up to three times the view's size; a 48-megapixel photo is
    // never drawn whole at every repaint.
    const int shown = qMin(qMax(photo.width(), photo.height()), 3 * Side);
    const QImage preview = photo.width() >= photo.height() ? photo.scaledToWidth(shown, Qt::SmoothTransformation)
                                                           : photo.scaledToHeight(shown, Qt::SmoothTransformation);
    m_picture->setPixmap(QPixmap::fromImage(preview));
    m_picture->setScale(double(Side) / shown);
    m_picture->setPos((Side - photo.width() * scale) / 2, (Side - photo.height() * scale) / 2);
    return scale;
}

QPointF PictureView::pictureOrigin() const
{
    return m_picture->pos();
}

void PictureView::setZoom(double zoom)
{
    m_zoom = zoom;
    setTransform(QTransform::fromScale(zoom, zoom));
    // Enlarged, each pixel shows as a sharp square (a difference of one pixel
    // stays visible); made smaller, the picture is smoothed.
    m_picture->setTransformationMode(zoom * devicePixelRatioF() >= 2.0 ? Qt::FastTransformation : Qt::SmoothTransformation);
    // Never less room than the game gives the picture; a larger zoom scrolls.
    const int side = int(std::ceil(Side * qMin(zoom, 1.0))) + 2 * frameWidth() + 2;
    setMinimumSize(side, side);
    updateGeometry();
}

void PictureView::setFitsWhole(bool fits)
{
    m_fitsWhole = fits;
    setHorizontalScrollBarPolicy(fits ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(fits ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    setMinimumSize(fits ? QSize(120, 120) : QSize());
}

void PictureView::resizeEvent(QResizeEvent *event)
{
    QGraphicsView::resizeEvent(event);
    if (m_fitsWhole)
        fitInView(sceneRect(), Qt::KeepAspectRatio);
}

void PictureView::setFaintCircles(const std::vector<Author::Circle> &circles)
{
    for (QGraphicsItem *item : m_faint)
        delete item;
    m_faint.clear();
    QPen pen(QColor(230, 0, 0, 110), 1.5);
    pen.setCosmetic(true);
    for (const Author::Circle &c : circles) {
        const QPointF centre = pixelCentre(c.x, c.y);
        auto *ring = scene()->addEllipse(centre.x() - c.r, centre.y() - c.r, 2.0 * c.r, 2.0 * c.r, pen);
        m_faint.push_back(ring);
    }
}

QPoint PictureView::pixelAt(const QPoint &viewportPos) const
{
    const QPointF scenePos = mapToScene(viewportPos);
    return {int(std::floor(scenePos.x())), int(std::floor(scenePos.y()))};
}

QPoint PictureView::viewportPointOf(int x, int y) const
{
    // Not the pixel's exact middle: a half rounds away to the next pixel at
    // the game's size.
    return mapFromScene(QPointF(x + 0.25, y + 0.25));
}

QSize PictureView::sizeHint() const
{
    const int side = int(std::ceil(Side * m_zoom)) + 2 * frameWidth() + 4;
    return {side, side};
}

void PictureView::wheelEvent(QWheelEvent *event)
{
    if (event->modifiers() & Qt::ControlModifier) {
        emit zoomRequested(event->angleDelta().y() > 0 ? 1 : -1);
        event->accept();
        return;
    }
    QGraphicsView::wheelEvent(event);
}

} // namespace Maker

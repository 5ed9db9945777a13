// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "author/circle.h"

#include <QGraphicsView>

#include <vector>

class QGraphicsPixmapItem;

namespace Maker {

// A question picture at the game's size times the zoom, with the circles
// faintly over it (picture A shows where the differences are without hiding
// them).
class PictureView : public QGraphicsView
{
    Q_OBJECT

public:
    explicit PictureView(QWidget *parent = nullptr);

    void setPicture(const QImage &picture);
    // A photo of any size, fitted into the view's square and centred; the
    // scene's length of one photo pixel.
    double setFittedPhoto(const QImage &photo);
    QPointF pictureOrigin() const;
    void setZoom(double zoom);
    double zoom() const { return m_zoom; }
    void setFaintCircles(const std::vector<Author::Circle> &circles);

    // The picture's pixel under a point of the viewport.
    QPoint pixelAt(const QPoint &viewportPos) const;
    // A viewport point over the picture's pixel (centre).
    QPoint viewportPointOf(int x, int y) const;

    QSize sizeHint() const override;
    // Scales the whole square into whatever room the view has, instead of
    // the zoom (for the photo, which is only there to choose a part of).
    void setFitsWhole(bool fits);

signals:
    void zoomRequested(int steps);

protected:
    void wheelEvent(QWheelEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QGraphicsPixmapItem *m_picture;
    std::vector<QGraphicsItem *> m_faint;
    double m_zoom = 1.0;
    bool m_fitsWhole = false;
};

} // namespace Maker

// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/controls/mouseuptracker.h"
#include "rules/picture.h"

#include <QImage>
#include <QWidget>
#include <memory>

class Canvas;

// Shows a picture at its natural size from the top-left corner, clipped to
// the view. Where there is no picture the parent shows through. A transparent
// view lets its parent (and the views beneath) show through every white
// (#FFFFFF) pixel of its picture.
class ImageView : public QWidget
{
    Q_OBJECT

public:
    explicit ImageView(QWidget *parent = nullptr);
    ~ImageView() override;

    // Replaces the picture (and drops any canvas on the old one).
    void setPicture(std::unique_ptr<Picture> picture);
    // Drops the picture; the next canvas() starts a new white bitmap.
    void clear();
    bool hasPicture() const { return m_picture != nullptr; }
    Picture *picture() const { return m_picture.get(); }

    void setTransparent(bool on);
    bool transparent() const { return m_transparent; }

    // The canvas of the view's bitmap; without a picture a white bitmap of the
    // view's size is made first. Throws EInvalidOperation when the picture is
    // not a bitmap.
    Canvas &canvas();

signals:
    void mouseUp(Qt::MouseButton button, int shift, QPoint pos);
    // A picture failed while being drawn (a JPEG whose data is bad). Sent once,
    // after the paint, never from inside it.
    void paintFailed(const QString &message);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    const QImage *imageToDraw();
    void pictureChanged();
    void updateOpaque();

    std::unique_ptr<Picture> m_picture;
    std::unique_ptr<Canvas> m_canvas;
    bool m_transparent = false;
    QImage m_masked; // the picture with white made see-through
    bool m_maskedStale = true;
    MouseUpTracker m_mouse;
};

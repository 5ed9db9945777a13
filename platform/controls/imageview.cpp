// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/controls/imageview.h"

#include "platform/controls/canvas.h"
#include "platform/controls/stacking.h"
#include "rules/errors.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

// The picture with every white pixel see-through and every other opaque, in
// the format the raster engine blends fastest (a pixel is either nothing or
// opaque, so premultiplying changes none). Null when every pixel is white:
// there is nothing to draw, as after the overlay is wiped.
QImage withWhiteSeeThrough(const QImage &image)
{
    const QImage source = image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
        ? image
        : image.convertToFormat(QImage::Format_RGB32);
    QImage masked(source.size(), QImage::Format_ARGB32_Premultiplied);
    const int width = source.width();
    quint32 seen = 0;
    for (int y = 0; y < source.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        auto *out = reinterpret_cast<QRgb *>(masked.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb colour = in[x] & 0x00ffffffu;
            out[x] = colour == 0x00ffffffu ? 0u : (colour | 0xff000000u);
            seen |= out[x];
        }
    }
    return seen != 0 ? masked : QImage();
}

} // namespace

ImageView::ImageView(QWidget *parent)
    : QWidget(parent)
{
    markWindowless(this);
}

ImageView::~ImageView() = default;

void ImageView::setPicture(std::unique_ptr<Picture> picture)
{
    m_canvas.reset();
    m_picture = std::move(picture);
    pictureChanged();
}

void ImageView::clear()
{
    m_canvas.reset();
    m_picture.reset();
    pictureChanged();
}

void ImageView::setTransparent(bool on)
{
    m_transparent = on;
    pictureChanged();
}

Canvas &ImageView::canvas()
{
    bool blank = false;
    if (!m_picture) {
        m_picture = newBitmap(size());
        blank = true;
        pictureChanged();
    }
    if (m_picture->kind() != Picture::Kind::Bitmap)
        throw EInvalidOperation(Errors::onlyBitmapCanvas());
    if (!m_canvas) {
        Picture *picture = m_picture.get();
        m_canvas = std::make_unique<Canvas>(
            [picture]() -> QImage & {
                // The canvas writes whole 32-bit pixels.
                QImage &bitmap = *picture->bitmap();
                if (bitmap.format() != QImage::Format_RGB32 && bitmap.format() != QImage::Format_ARGB32)
                    bitmap = bitmap.convertToFormat(QImage::Format_RGB32);
                return bitmap;
            },
            blank, [this] { pictureChanged(); });
    }
    return *m_canvas;
}

void ImageView::pictureChanged()
{
    m_maskedStale = true;
    m_masked = QImage();
    updateOpaque();
    update();
}

// A picture that covers the whole view hides what lies beneath it, so Qt
// need not paint the panel there first.
void ImageView::updateOpaque()
{
    const bool covers = m_picture && !m_transparent && m_picture->size().width() >= width()
        && m_picture->size().height() >= height();
    if (covers != testAttribute(Qt::WA_OpaquePaintEvent))
        setAttribute(Qt::WA_OpaquePaintEvent, covers);
}

void ImageView::resizeEvent(QResizeEvent *)
{
    updateOpaque();
}

// Null when there is nothing to draw. A decoding error is reported once,
// after this paint; the picture then hands out what was decoded.
const QImage *ImageView::imageToDraw()
{
    if (!m_picture)
        return nullptr;
    try {
        return &m_picture->image();
    } catch (const EGameError &error) {
        QMetaObject::invokeMethod(
            this, [this, message = error.message()] { emit paintFailed(message); }, Qt::QueuedConnection);
    }
    try {
        return &m_picture->image();
    } catch (const EGameError &) {
        return nullptr;
    }
}

void ImageView::paintEvent(QPaintEvent *)
{
    // A wiped overlay: all of it see-through, nothing to work out or draw,
    // and no pixels made for it.
    if (m_transparent && m_canvas && m_canvas->blank())
        return;
    const QImage *image = imageToDraw();
    if (!image || image->isNull()) {
        // Pixels that could not be had at all (no memory for them): the
        // panel's colour rather than whatever was drawn there before.
        if (testAttribute(Qt::WA_OpaquePaintEvent))
            QPainter(this).fillRect(rect(), palette().window());
        return;
    }
    QPainter painter(this);
    if (!m_transparent) {
        painter.drawImage(0, 0, *image);
        return;
    }
    if (m_maskedStale) {
        m_masked = withWhiteSeeThrough(*image);
        m_maskedStale = false;
    }
    if (!m_masked.isNull())
        painter.drawImage(0, 0, m_masked);
}

void ImageView::mousePressEvent(QMouseEvent *event)
{
    m_mouse.press(*event);
    event->accept();
}

void ImageView::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_mouse.press(*event);
    event->accept();
}

void ImageView::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    int shift = 0;
    if (m_mouse.release(*this, *event, &shift))
        emit mouseUp(event->button(), shift, event->position().toPoint());
}

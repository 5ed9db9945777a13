#include "platform/controls/imageview.h"

#include "platform/controls/canvas.h"
#include "platform/controls/stacking.h"
#include "platform/errors.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

QImage withWhiteSeeThrough(const QImage &image)
{
    QImage masked = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < masked.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(masked.scanLine(y));
        for (int x = 0; x < masked.width(); ++x)
            row[x] = (row[x] & 0x00ffffffu) == 0x00ffffffu ? 0u : (row[x] | 0xff000000u);
    }
    return masked;
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
    if (!m_picture) {
        m_picture = newBitmap(size());
        pictureChanged();
    }
    QImage *bitmap = m_picture->bitmap();
    if (m_picture->kind() != Picture::Kind::Bitmap || !bitmap)
        throw EInvalidOperation(Errors::onlyBitmapCanvas());
    if (!m_canvas) {
        // The canvas writes whole 32-bit pixels.
        if (bitmap->format() != QImage::Format_RGB32 && bitmap->format() != QImage::Format_ARGB32)
            *bitmap = bitmap->convertToFormat(QImage::Format_RGB32);
        m_canvas = std::make_unique<Canvas>(*bitmap, [this] { pictureChanged(); });
    }
    return *m_canvas;
}

void ImageView::pictureChanged()
{
    m_maskedStale = true;
    m_masked = QImage();
    update();
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
    const QImage *image = imageToDraw();
    if (!image || image->isNull())
        return;
    QPainter painter(this);
    if (!m_transparent) {
        painter.drawImage(0, 0, *image);
        return;
    }
    if (m_maskedStale) {
        m_masked = withWhiteSeeThrough(*image);
        m_maskedStale = false;
    }
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

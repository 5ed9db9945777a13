// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/picture.h"

#include "rules/bitmapreader.h"
#include "rules/errors.h"
#include "rules/jpegreader.h"
#include "rules/plainfile.h"

#include <QFile>

namespace {

constexpr qint64 maxFileSize = qint64(256) * 1024 * 1024;

QString extensionOf(const QString &fileName)
{
    const qsizetype slash = fileName.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || dot < slash)
        return QString();
    return fileName.mid(dot + 1);
}

// The overlay is wiped at every question and stays white until the first
// ring, so its 350 x 350 pixels are made only when first asked for.
class WhiteBitmap : public Picture
{
public:
    explicit WhiteBitmap(QSize size) : m_size(size) {}
    Kind kind() const override { return Kind::Bitmap; }
    QSize size() const override { return m_size; }
    const QImage &image() override { return pixels(); }
    QImage *bitmap() override { return &pixels(); }

private:
    QImage &pixels()
    {
        if (m_image.isNull() && !m_size.isEmpty()) {
            m_image = QImage(m_size, QImage::Format_RGB32);
            m_image.fill(Qt::white);
        }
        return m_image;
    }

    QSize m_size;
    QImage m_image;
};

} // namespace

std::unique_ptr<Picture> loadPicture(const QString &fileName)
{
    const QString extension = extensionOf(fileName);
    const QString lower = extension.toLower();
    const bool isBitmap = lower == QLatin1String("bmp");
    const bool isJpeg = lower == QLatin1String("jpeg") || lower == QLatin1String("jpg");
    if (!isBitmap && !isJpeg)
        throw EInvalidGraphic(Errors::unknownExtension(extension));

    QFile file;
    if (!Platform::openPlainFile(file, fileName))
        throw EFOpenError(Errors::cannotOpen(fileName));
    if (file.size() > maxFileSize) {
        if (isBitmap)
            throw EInvalidGraphic(Errors::invalidBitmap());
        throw jpegTooLarge();
    }
    QByteArray bytes = file.readAll();
    file.close();
    if (isBitmap)
        return readBitmap(bytes);
    return readJpeg(std::move(bytes));
}

std::unique_ptr<Picture> newBitmap(QSize size)
{
    return std::make_unique<WhiteBitmap>(size);
}

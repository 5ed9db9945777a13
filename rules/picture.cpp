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
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return std::make_unique<BitmapPicture>(std::move(image));
}

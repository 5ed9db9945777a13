// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "questionfolder.h"

#include <QDir>
#include <QFile>
#include <QImage>

namespace QuestionFolder {

void addPictures(const QString &dir, const QString &name, Kind kind, const QColor &a, const QColor &b, int size)
{
    QDir().mkpath(dir);
    const char *format = kind == Kind::Bitmap ? "BMP" : "JPG";
    const QString extension = kind == Kind::Bitmap ? QStringLiteral(".bmp") : QStringLiteral(".jpg");
    for (const auto &[suffix, colour] : {std::pair{QStringLiteral("_A"), a}, std::pair{QStringLiteral("_B"), b}}) {
        QImage image(size, size, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = dir + QLatin1Char('/') + name + suffix + extension;
        if (!image.save(path, format, 95))
            qFatal("cannot write test picture %s", qPrintable(path));
    }
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write test file %s", qPrintable(path));
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

} // namespace QuestionFolder

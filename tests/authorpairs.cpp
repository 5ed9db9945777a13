// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "authorpairs.h"

#include "tools/imagewriters.h"

#include <QDir>
#include <QFile>
#include <QPainter>

#include <random>

namespace AuthorPairs {

QImage scene(int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(QColor(0xa8, 0xdc, 0xff));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(0, size * 2 / 3, size, size, QColor(0x9c, 0xe0, 0x60));
    std::mt19937 random(7);
    std::uniform_int_distribution<int> place(0, size - 1);
    std::uniform_int_distribution<int> channel(0, 255);
    for (int i = 0; i < 80; ++i) {
        p.setPen(QPen(QColor(0x40, 0x30, 0x30), 1.5));
        p.setBrush(QColor(channel(random), channel(random), channel(random)));
        p.drawEllipse(QPoint(place(random), place(random)), 4, 4);
    }
    return image;
}

QImage withDisc(const QImage &picture, QPoint centre, int radius, const QColor &fill)
{
    QImage copy = picture.copy();
    QPainter p(&copy);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x40, 0x30, 0x30), 2.5));
    p.setBrush(fill);
    p.drawEllipse(centre, radius, radius);
    return copy;
}

QImage withRect(const QImage &picture, const QRect &rect, const QColor &fill)
{
    QImage copy = picture.copy();
    QPainter p(&copy);
    p.fillRect(rect, fill);
    return copy;
}

QImage jpegRoundTrip(const QImage &picture, int quality)
{
    return QImage::fromData(encodeJpeg(picture, quality, false), "JPEG").convertToFormat(QImage::Format_RGB32);
}

QImage withNoise(const QImage &picture, double spread, unsigned seed)
{
    QImage copy = picture.convertToFormat(QImage::Format_RGB32);
    std::mt19937 random(seed);
    std::normal_distribution<double> noise(0, spread);
    for (int y = 0; y < copy.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(copy.scanLine(y));
        for (int x = 0; x < copy.width(); ++x) {
            const auto moved = [&](int value) { return std::clamp(int(std::lround(value + noise(random))), 0, 255); };
            line[x] = qRgb(moved(qRed(line[x])), moved(qGreen(line[x])), moved(qBlue(line[x])));
        }
    }
    return copy;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

void writePair(const QString &folder, const QString &name, const QImage &a, const QImage &b, Kind kind)
{
    const QString stem = QDir(folder).filePath(name);
    if (kind == Kind::Bitmap) {
        writeFile(stem + QStringLiteral("_A.bmp"), encodeBitmap(a));
        writeFile(stem + QStringLiteral("_B.bmp"), encodeBitmap(b));
    } else {
        writeFile(stem + QStringLiteral("_A.jpg"), encodeJpeg(a, 90, false));
        writeFile(stem + QStringLiteral("_B.jpg"), encodeJpeg(b, 90, false));
    }
}

QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> files;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        QFile file(dir.filePath(name));
        files.insert(name, file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>"));
    }
    for (const QString &name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        files.insert(name + QLatin1Char('/'), QByteArray());
    return files;
}

} // namespace AuthorPairs

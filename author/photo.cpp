// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "author/photo.h"

#include "author/cvimage.h"

#include <QFileInfo>
#include <QImageReader>

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>

namespace Author {

namespace {

// Qt refuses pictures over 128 MB by default: a 48-megapixel phone photo in
// 16 bits per channel needs 384 MB. A gigabyte leaves room and still stops
// a file that claims absurd dimensions.
constexpr int AllocationLimitMegabytes = 1024;

// The largest reduction libjpeg can decode at (1, 2, 4 or 8) that keeps the
// shorter side at the working size.
int jpegReduction(QSize stored)
{
    const int shorter = std::min(stored.width(), stored.height());
    int reduction = 1;
    while (reduction < 8 && shorter / (reduction * 2) >= WorkingShortSide)
        reduction *= 2;
    return reduction;
}

// A photo far larger than the working size shrunk to it, averaging pixels.
QImage shrunk(const QImage &image)
{
    const int shorter = std::min(image.width(), image.height());
    if (shorter <= 2 * WorkingShortSide)
        return image;
    const double scale = double(WorkingShortSide) / shorter;
    const cv::Mat small = [&] {
        cv::Mat out;
        cv::resize(toMat(image), out, cv::Size(), scale, scale, cv::INTER_AREA);
        return out;
    }();
    return toImage(small);
}

} // namespace

QRect squareInReadPhoto(const QRect &square, QSize fullSize, QSize readSize)
{
    if (fullSize == readSize)
        return square;
    const double scale = double(readSize.width()) / fullSize.width();
    const int x = int(std::lround(square.x() * scale));
    const int y = int(std::lround(square.y() * scale));
    const int side = std::max(1, int(std::lround(square.width() * scale)));
    const int fits = std::min({side, readSize.width() - x, readSize.height() - y});
    return {x, y, std::max(1, fits), std::max(1, fits)};
}

std::optional<QImage> readPhoto(const QString &fileName, QString &why, QSize *fullSize)
{
    const QFileInfo info(fileName);
    if (!info.exists()) {
        why = QStringLiteral("写真 %1 がありません。").arg(fileName);
        return std::nullopt;
    }
    if (!info.isFile()) {
        why = QStringLiteral("%1 は写真のファイルではありません。").arg(fileName);
        return std::nullopt;
    }
    QImageReader::setAllocationLimit(AllocationLimitMegabytes);
    QImageReader reader(fileName);
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    if (stored.isValid() && reader.format() == "jpeg") {
        const int reduction = jpegReduction(stored);
        if (reduction > 1)
            reader.setScaledSize(QSize((stored.width() + reduction - 1) / reduction,
                (stored.height() + reduction - 1) / reduction));
    }
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    QImage image = reader.read();
    if (image.isNull()) {
        why = QStringLiteral("写真 %1 を読めません（%2）。").arg(fileName, reader.errorString());
        return std::nullopt;
    }
    if (fullSize)
        *fullSize = !stored.isValid() ? image.size() : turned ? stored.transposed() : stored;
    // toMat lays see-through parts on white; pictures of 16 bits per channel
    // come down to 8 on the way.
    return toImage(toMat(shrunk(image)));
}

} // namespace Author

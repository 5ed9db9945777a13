// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "author/square.h"

#include "author/cvimage.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>

namespace Author {

QRect defaultSquare(QSize photo)
{
    const int side = std::min(photo.width(), photo.height());
    return {(photo.width() - side) / 2, (photo.height() - side) / 2, side, side};
}

QImage cutSquare(const QImage &photo, const QRect &square)
{
    Q_ASSERT(photo.rect().contains(square));
    const cv::Mat cut = toMat(photo.copy(square));
    cv::Mat scaled;
    // Averaging when shrinking keeps fine patterns from turning into moiré.
    const int interpolation = cut.cols >= PictureSide ? cv::INTER_AREA : cv::INTER_CUBIC;
    cv::resize(cut, scaled, cv::Size(PictureSide, PictureSide), 0, 0, interpolation);
    return toImage(scaled);
}

} // namespace Author

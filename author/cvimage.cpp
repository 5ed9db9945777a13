// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "author/cvimage.h"

#include <opencv2/imgproc.hpp>

namespace Author {

cv::Mat toMat(const QImage &image)
{
    if (image.isNull())
        return {};
    QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    // ARGB32 is B, G, R, A in memory on a little-endian machine.
    const cv::Mat bgra(argb.height(), argb.width(), CV_8UC4, argb.bits(), size_t(argb.bytesPerLine()));
    cv::Mat bgr(bgra.rows, bgra.cols, CV_8UC3);
    if (!image.hasAlphaChannel()) {
        cv::cvtColor(bgra, bgr, cv::COLOR_BGRA2BGR);
        return bgr;
    }
    for (int y = 0; y < bgra.rows; ++y) {
        const auto *in = bgra.ptr<cv::Vec4b>(y);
        auto *out = bgr.ptr<cv::Vec3b>(y);
        for (int x = 0; x < bgra.cols; ++x) {
            const int alpha = in[x][3];
            for (int c = 0; c < 3; ++c)
                out[x][c] = uchar((in[x][c] * alpha + 255 * (255 - alpha) + 127) / 255);
        }
    }
    return bgr;
}

QImage toImage(const cv::Mat &bgr)
{
    if (bgr.empty())
        return {};
    CV_Assert(bgr.type() == CV_8UC3);
    QImage image(bgr.cols, bgr.rows, QImage::Format_RGB32);
    cv::Mat bgra(image.height(), image.width(), CV_8UC4, image.bits(), size_t(image.bytesPerLine()));
    cv::cvtColor(bgr, bgra, cv::COLOR_BGR2BGRA);
    return image;
}

} // namespace Author

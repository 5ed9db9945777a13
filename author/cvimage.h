// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include <opencv2/core.hpp>

namespace Author {

// Pictures cross into the image work as 8-bit BGR matrices (OpenCV's own
// order) and come back as opaque QImages; what a picture leaves see-through
// shows white, as on paper. Both directions copy.
cv::Mat toMat(const QImage &image);
QImage toImage(const cv::Mat &bgr);

} // namespace Author

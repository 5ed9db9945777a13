// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <opencv2/core.hpp>

namespace Author {

// The pixels where picture B shows something picture A does not (or the other
// way round), as a mask of 0 and 255 the size of the pictures (8-bit BGR).
// Each pixel is compared, in Lab, with the range of colours of the 3 x 3
// pixels around it in the other picture: an edge that moved by less than a
// pixel stays inside that range, a real change does not. The threshold comes from
// the pair's own noise; sure pixels (a solid 3 x 3) are grown into the
// weaker ones they touch, so a change keeps its soft rim.
cv::Mat changedPixels(const cv::Mat &a, const cv::Mat &b);

} // namespace Author

// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <opencv2/core.hpp>

namespace Author {

// Brings picture B to A's exposure and colour balance: a gain and an offset
// per channel (8-bit BGR), fitted over `sampleB` against the same place in
// `sampleA` with the places that changed (large misfits) left out, then
// applied to all of `b` (which may hold sampleB).
void matchExposure(cv::Mat &b, const cv::Mat &sampleA, const cv::Mat &sampleB);

} // namespace Author

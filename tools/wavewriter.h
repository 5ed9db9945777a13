// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

#include <vector>

inline constexpr int waveSampleRate = 22050;

// A RIFF/WAVE file of 16-bit PCM mono at waveSampleRate. Samples run from -1
// to 1 and are clipped there.
QByteArray waveFileBytes(const std::vector<double> &samples);

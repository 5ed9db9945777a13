// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

class QTime;

namespace Platform {

// The generator's whole state; setting it pins every later draw.
void setRandSeed(quint32 seed);
quint32 randSeed();

// Advances the seed (seed * 134775813 + 1, modulo 2^32) and scales it to
// 0 .. n - 1. An n below 1 gives 0.
qint32 randomBelow(qint32 n);

// Milliseconds since midnight; 0 for an invalid time.
quint32 seedFromTime(const QTime &utc);

} // namespace Platform

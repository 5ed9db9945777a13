// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/random.h"

#include <QTime>

namespace Platform {

namespace {
    quint32 seed = 0;
}

void setRandSeed(quint32 value)
{
    seed = value;
}
quint32 randSeed()
{
    return seed;
}

qint32 randomBelow(qint32 n)
{
    seed = seed * 134775813u + 1u; // unsigned arithmetic wraps modulo 2^32
    if (n < 1)
        return 0;
    return qint32((quint64(seed) * quint64(n)) >> 32);
}

quint32 seedFromTime(const QTime &utc)
{
    return quint32(utc.msecsSinceStartOfDay());
}

} // namespace Platform

// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QtGlobal>

namespace Platform {

// Readings of the clock, for the game: the tick count in milliseconds (an
// unsigned 32-bit count that wraps; take differences modulo 2^32), the local
// date and time, and the current UTC time.
quint32 tickCount();
QDateTime localNow();
QDateTime utcNow();

} // namespace Platform

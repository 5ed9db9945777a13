// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rushingclock.h"

#include <QTimeZone>

QDateTime RushingClock::localNow()
{
    return QDateTime(QDate(2026, 4, 1), QTime(9, 30));
}

QDateTime RushingClock::utcNow()
{
    return QDateTime(QDate(2026, 4, 1), QTime(0, 30), Qt::UTC);
}

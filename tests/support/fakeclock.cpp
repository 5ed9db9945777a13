// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakeclock.h"

#include "platform/gametimer.h"

FakeClock::FakeClock(quint32 start)
    : m_start(start)
    , m_localNow(QDate(2026, 4, 1), QTime(9, 30))
    , m_utcNow(QDate(2026, 4, 1), QTime(0, 30), Qt::UTC)
{
}

quint32 FakeClock::tickCount()
{
    return m_start + static_cast<quint32>(m_elapsed);
}

void FakeClock::advance(int ms)
{
    if (ms <= 0)
        return;
    m_elapsed += ms;
    for (auto it = m_due.begin(); it != m_due.end(); ++it) {
        Period &period = it.value();
        if (period.due > m_elapsed)
            continue;
        it.key()->postTick();
        while (period.due <= m_elapsed)
            period.due += period.interval;
    }
}

void FakeClock::armTimer(Platform::GameTimer *timer, int intervalMs)
{
    m_due.insert(timer, Period { m_elapsed + intervalMs, intervalMs });
}

void FakeClock::disarmTimer(Platform::GameTimer *timer)
{
    m_due.remove(timer);
}

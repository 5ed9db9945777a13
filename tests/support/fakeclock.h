// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/seam.h"

#include <QMap>

// Virtual time for tests. The tick count starts one second before it wraps,
// so every test also checks that waits and timers are right across the wrap.
class FakeClock : public Platform::Clock
{
public:
    static constexpr quint32 defaultStart = 0xFFFFFFFFu - 999u;

    explicit FakeClock(quint32 start = defaultStart);

    // Moves time on; every armed timer with a period due by then gets one
    // tick queued, however many periods passed.
    void advance(int ms);
    // Virtual milliseconds since the clock was made.
    qint64 elapsed() const { return m_elapsed; }
    int armedTimers() const { return int(m_due.size()); }

    void setLocalNow(const QDateTime &now) { m_localNow = now; }
    void setUtcNow(const QDateTime &now) { m_utcNow = now; }

    quint32 tickCount() override;
    void sleep(int ms) override { advance(ms); }
    QDateTime localNow() override { return m_localNow; }
    QDateTime utcNow() override { return m_utcNow; }
    void armTimer(Platform::GameTimer *timer, int intervalMs) override;
    void disarmTimer(Platform::GameTimer *timer) override;

private:
    struct Period
    {
        qint64 due;
        int interval;
    };

    quint32 m_start;
    qint64 m_elapsed = 0;
    QMap<Platform::GameTimer *, Period> m_due;
    QDateTime m_localNow;
    QDateTime m_utcNow;
};

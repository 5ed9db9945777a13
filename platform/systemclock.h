// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/seam.h"

#include <QHash>
#include <QObject>

namespace Platform {

// The machine's own clock: a monotonic millisecond count and real sleeps; the
// game timer's periods run on Qt's precise timers.
class SystemClock : public QObject, public Clock
{
public:
    quint32 tickCount() override;
    void sleep(int ms) override;
    QDateTime localNow() override;
    QDateTime utcNow() override;
    // Throws EOutOfResources "タイマーを取得できません" when the system has no timer left.
    void armTimer(GameTimer *timer, int intervalMs) override;
    void disarmTimer(GameTimer *timer) override;

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    QHash<int, GameTimer *> m_timers; // by Qt timer id
};

SystemClock &systemClock();

} // namespace Platform

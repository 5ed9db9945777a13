// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/systemclock.h"

#include "rules/errors.h"
#include "platform/gametimer.h"

#include <QThread>
#include <QTimerEvent>
#include <chrono>

namespace Platform {

quint32 SystemClock::tickCount()
{
    // steady_clock counts from boot on Linux; the low 32 bits wrap like the game expects.
    const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<quint32>(std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count());
}

void SystemClock::sleep(int ms)
{
    if (ms > 0)
        QThread::msleep(static_cast<unsigned long>(ms));
}

QDateTime SystemClock::localNow()
{
    return QDateTime::currentDateTime();
}
QDateTime SystemClock::utcNow()
{
    return QDateTime::currentDateTimeUtc();
}

void SystemClock::armTimer(GameTimer *timer, int intervalMs)
{
    // QObject::startTimer reports a refused timer as 0, which QTimer would hide.
    const int id = startTimer(intervalMs, Qt::PreciseTimer);
    if (id == 0)
        throw EOutOfResources(Errors::noTimer());
    m_timers.insert(id, timer);
}

void SystemClock::disarmTimer(GameTimer *timer)
{
    for (auto it = m_timers.begin(); it != m_timers.end();) {
        if (it.value() == timer) {
            killTimer(it.key());
            it = m_timers.erase(it);
        } else {
            ++it;
        }
    }
}

void SystemClock::timerEvent(QTimerEvent *event)
{
    // Qt fires an overdue timer once, however many periods were missed: the
    // coalescing the game's clock relies on.
    if (GameTimer *timer = m_timers.value(event->timerId()))
        timer->postTick();
}

SystemClock &systemClock()
{
    static SystemClock clock;
    return clock;
}

} // namespace Platform

// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/dispatch.h"
#include "rules/errors.h"
#include "platform/gametimer.h"
#include "platform/guard.h"

#include "fakeclock.h"
#include "installed.h"
#include "scripteduser.h"

#include <QTest>
#include <QThread>

namespace {

// Counts the ticks a timer delivers.
struct TickCounter
{
    explicit TickCounter(Platform::GameTimer &timer)
    {
        QObject::connect(&timer, &Platform::GameTimer::timeout, [this] { ++ticks; });
    }
    int ticks = 0;
};

} // namespace

class TestTimer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The timer starts off, with a one-second interval.
    void startsOffWithOneSecond()
    {
        Platform::GameTimer timer;
        QVERIFY(!timer.isEnabled());
        QCOMPARE(timer.interval(), 1000);
    }

    // The first tick comes one full interval after the timer is turned on, and each second after.
    void ticksEverySecondWhileOn()
    {
        Installed<FakeClock> clock;
        Platform::GameTimer timer;
        TickCounter counter(timer);
        timer.setEnabled(true);
        clock->advance(999);
        Platform::dispatchPending();
        QCOMPARE(counter.ticks, 0);
        clock->advance(1);
        Platform::dispatchPending();
        QCOMPARE(counter.ticks, 1);
        clock->advance(1000);
        Platform::dispatchPending();
        QCOMPARE(counter.ticks, 2);
    }

    // A tick is only delivered when events are dispatched, never in the middle of a handler.
    void ticksArriveOnlyWhileDispatching()
    {
        Installed<FakeClock> clock;
        Platform::GameTimer timer;
        TickCounter counter(timer);
        timer.setEnabled(true);
        clock->advance(1000);
        QCOMPARE(counter.ticks, 0);
        Platform::dispatchPending();
        QCOMPARE(counter.ticks, 1);
    }

    // Turned off and on again within the same second, the timer next ticks one full second after the
    // enabling.
    void reenablingStartsAFreshPeriod_data()
    {
        QTest::addColumn<int>("offAfter");
        QTest::newRow("at once") << 0;
        QTest::newRow("after 600 ms") << 600;
        QTest::newRow("just before the tick") << 999;
    }
    void reenablingStartsAFreshPeriod()
    {
        QFETCH(int, offAfter);
        Installed<FakeClock> clock;
        Platform::GameTimer timer;
        TickCounter counter(timer);
        timer.setEnabled(true);
        clock->advance(offAfter);
        timer.setEnabled(false);
        timer.setEnabled(true);
        clock->advance(999);
        Platform::dispatchPending();
        QCOMPARE(counter.ticks, 0);
        clock->advance(1);
        Platform::dispatchPending();
        QCOMPARE(counter.ticks, 1);
    }

    // Turning on a timer that is already on keeps its period.
    void enablingWhileOnKeepsThePeriod()
    {
        Installed<FakeClock> clock;
        Platform::GameTimer timer;
        TickCounter counter(timer);
        timer.setEnabled(true);
        clock->advance(600);
        timer.setEnabled(true);
        clock->advance(400);
        Platform::dispatchPending();
        QCOMPARE(counter.ticks, 1);
    }

    // Five seconds with the thread busy give a single tick; the periods go on from there.
    void busySecondsGiveOneTick()
    {
        Installed<FakeClock> clock;
        Platform::GameTimer timer;
        TickCounter counter(timer);
        timer.setEnabled(true);
        clock->advance(5000);
        Platform::dispatchPending();
        Platform::dispatchPending();
        QCOMPARE(counter.ticks, 1);
        clock->advance(1000);
        Platform::dispatchPending();
        QCOMPARE(counter.ticks, 2);
    }

    // A timer turned off delivers no tick that had already fallen due.
    void turningOffDropsAWaitingTick()
    {
        Installed<FakeClock> clock;
        Platform::GameTimer timer;
        TickCounter counter(timer);
        timer.setEnabled(true);
        clock->advance(1000);
        timer.setEnabled(false);
        Platform::dispatchPending();
        clock->advance(5000);
        Platform::dispatchPending();
        QCOMPARE(counter.ticks, 0);
        QCOMPARE(clock->armedTimers(), 0);
    }

    // A tick comes after the other events that are waiting.
    void tickComesAfterOtherWaitingEvents()
    {
        Installed<FakeClock> clock;
        Platform::GameTimer timer;
        QStringList order;
        connect(&timer, &Platform::GameTimer::timeout, [&order] { order << QStringLiteral("tick"); });
        timer.setEnabled(true);
        clock->advance(1000);
        QObject receiver;
        QMetaObject::invokeMethod(
            &receiver, [&order] { order << QStringLiteral("click"); }, Qt::QueuedConnection);
        Platform::dispatchPending();
        QCOMPARE(order, QStringList({ QStringLiteral("click"), QStringLiteral("tick") }));
    }

    // An error in the tick handler is shown, and the timer goes on ticking.
    void errorInTheHandlerKeepsTheTimerTicking()
    {
        Installed<FakeClock> clock;
        Installed<ScriptedUser> user;
        Platform::GameTimer timer;
        connect(&timer, &Platform::GameTimer::timeout, [] {
            Platform::guarded([] { throw EConvertError(Errors::notAnInteger(QStringLiteral("x"))); });
        });
        timer.setEnabled(true);
        clock->advance(1000);
        Platform::dispatchPending();
        clock->advance(1000);
        Platform::dispatchPending();
        QVERIFY(timer.isEnabled());
        QCOMPARE(user->errors(), QStringList(2, QStringLiteral("'x' is not a valid integer value.")));
    }

    // A timer destroyed while on leaves nothing armed behind.
    void destroyedTimerIsDisarmed()
    {
        Installed<FakeClock> clock;
        {
            Platform::GameTimer timer;
            timer.setEnabled(true);
            QCOMPARE(clock->armedTimers(), 1);
        }
        QCOMPARE(clock->armedTimers(), 0);
        clock->advance(2000);
        Platform::dispatchPending(); // no tick may reach the destroyed timer
    }

    // The real clock: a tick arrives while events are dispatched.
    void realClockTicks()
    {
        Platform::GameTimer timer;
        TickCounter counter(timer);
        timer.setEnabled(true);
        QTRY_VERIFY_WITH_TIMEOUT(counter.ticks >= 1, 10000);
    }

    // The real clock: several seconds with the thread busy give a single tick.
    void realClockCoalescesBusySeconds()
    {
        Platform::GameTimer timer;
        TickCounter counter(timer);
        timer.setEnabled(true);
        QThread::msleep(2500);
        Platform::dispatchPending();
        QCOMPARE(counter.ticks, 1);
    }
};

QTEST_MAIN(TestTimer)
#include "tst_timer.moc"

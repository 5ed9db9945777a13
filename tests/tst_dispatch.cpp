// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/dispatch.h"
#include "platform/gametimer.h"
#include "platform/now.h"
#include "platform/systemclock.h"

#include "fakeclock.h"
#include "installed.h"

#include <QCloseEvent>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace {

// Queues an event as input or another handler would.
void queue(QObject *receiver, std::function<void()> handler)
{
    QMetaObject::invokeMethod(receiver, std::move(handler), Qt::QueuedConnection);
}

// A window that reports the close request it is given.
class ClosingWindow : public QWidget
{
public:
    std::function<void()> onClose;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        if (onClose)
            onClose();
        QWidget::closeEvent(event);
    }
};

} // namespace

class TestDispatch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Dispatching runs what is waiting and returns without waiting for more.
    void dispatchRunsWaitingEventsAndReturns()
    {
        Installed<FakeClock> clock;
        int ran = 0;
        queue(this, [&ran] { ++ran; });
        queue(this, [&ran] { ++ran; });
        Platform::dispatchPending();
        QCOMPARE(ran, 2);
        Platform::dispatchPending();
        QCOMPARE(ran, 2);
        QCOMPARE(clock->elapsed(), 0);
    }

    // A wait of 0 (or less) still dispatches once, and takes no time.
    void zeroWaitDispatchesOnce_data()
    {
        QTest::addColumn<int>("ms");
        QTest::newRow("0") << 0;
        QTest::newRow("negative") << -5;
    }
    void zeroWaitDispatchesOnce()
    {
        QFETCH(int, ms);
        Installed<FakeClock> clock;
        bool ran = false;
        queue(this, [&ran] { ran = true; });
        Platform::waitDispatching(ms);
        QVERIFY(ran);
        QCOMPARE(clock->elapsed(), 0);
    }

    // A wait lasts at least its length, never much longer, wherever the tick count stands.
    void waitLastsAtLeastItsLength_data()
    {
        QTest::addColumn<quint32>("start");
        QTest::addColumn<int>("ms");
        QTest::newRow("announcement across the wrap") << FakeClock::defaultStart << 3500;
        QTest::newRow("fresh start") << 0u << 3500;
        QTest::newRow("one millisecond") << 0u << 1;
        QTest::newRow("last tick before the wrap") << 0xFFFFFFFFu << 20;
        QTest::newRow("30 ms step") << 0xFFFFFFF0u << 30;
        QTest::newRow("memory countdown") << 0u << 30000;
    }
    void waitLastsAtLeastItsLength()
    {
        QFETCH(quint32, start);
        QFETCH(int, ms);
        Installed<FakeClock> clock(start);
        Platform::waitDispatching(ms);
        QVERIFY2(clock->elapsed() >= ms, qPrintable(QString::number(clock->elapsed())));
        QVERIFY2(clock->elapsed() < ms + 10, qPrintable(QString::number(clock->elapsed())));
    }

    // Events, and the timer's ticks, are handled during a wait; they see what the waiting code set.
    void eventsAndTicksArriveDuringAWait()
    {
        Installed<FakeClock> clock;
        Platform::GameTimer timer;
        int ticks = 0;
        connect(&timer, &Platform::GameTimer::timeout, [&ticks] { ++ticks; });
        bool abortWait = false;
        bool seen = false;
        timer.setEnabled(true);
        abortWait = true;
        queue(this, [&] { seen = abortWait; });
        Platform::waitDispatching(3500);
        QVERIFY(seen);
        QCOMPARE(ticks, 3);
    }

    // The real clock: a short wait returns after at least its length (it sleeps between passes).
    void realWaitReturnsAfterItsLength()
    {
        Platform::SystemClock &clock = Platform::systemClock();
        const quint32 start = clock.tickCount();
        Platform::waitDispatching(50);
        QVERIFY(clock.tickCount() - start >= 50u);
    }

    // The game reads the time through the clock, so tests can pin it.
    void clockReadingsComeFromTheInstalledClock()
    {
        Installed<FakeClock> clock(12345u);
        const QDateTime morning(QDate(2026, 5, 5), QTime(7, 59, 58));
        const QDateTime utc(QDate(2026, 5, 4), QTime(22, 59, 58, 123), Qt::UTC);
        clock->setLocalNow(morning);
        clock->setUtcNow(utc);
        QCOMPARE(Platform::localNow(), morning);
        QCOMPARE(Platform::utcNow(), utc);
        QCOMPARE(Platform::tickCount(), 12345u);
        clock->advance(20);
        QCOMPARE(Platform::tickCount(), 12365u);
    }

    // A close request during a wait reaches the window while the handler still
    // waits, and the program leaves its main loop only after that handler.
    void closeDuringAWaitIsDeliveredAndTheProgramEndsAfterTheHandler()
    {
        ClosingWindow window;
        window.setWindowTitle(QStringLiteral("ぴむかろ"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QStringList steps;
        window.onClose = [&steps] { steps << QStringLiteral("close delivered"); };
        const auto quitting = connect(
            qApp, &QCoreApplication::aboutToQuit, this, [&steps] { steps << QStringLiteral("quit"); });
        QTimer::singleShot(0, &window, [&] {
            queue(&window, [&window] { window.close(); });
            Platform::waitDispatching(200);
            steps << QStringLiteral("handler done");
        });
        // Ends the loop if closing the window never did, so that the test fails instead of hanging.
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, this, [&steps] {
            steps << QStringLiteral("never quit");
            QCoreApplication::quit();
        });
        watchdog.start(20000);
        QCoreApplication::exec();
        disconnect(quitting);
        QCOMPARE(steps,
            QStringList({ QStringLiteral("close delivered"), QStringLiteral("handler done"),
                QStringLiteral("quit") }));
    }
};

QTEST_MAIN(TestDispatch)
#include "tst_dispatch.moc"

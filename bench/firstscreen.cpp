// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/firstscreen.h"

#include "bench/benchclock.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QWidget>

#include <cstdio>

FirstScreen::FirstScreen(QWidget *window, std::function<void(const Times &)> painted)
    : m_window(window)
    , m_painted(std::move(painted))
{
    qApp->installEventFilter(this);
}

bool FirstScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Show && m_times.shownNs == 0)
        m_times.shownNs = BenchClock::monotonicNs();
    if (event->type() == QEvent::Paint && watched->isWidgetType()
        && static_cast<QWidget *>(watched)->window() == m_window) {
        qApp->removeEventFilter(this);
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_times.paintedNs = BenchClock::monotonicNs();
                m_painted(m_times);
            },
            Qt::QueuedConnection);
    }
    return false;
}

namespace {
// A figure of /proc/self/status in kB. A /proc file has no size, so it is
// read whole rather than line by line.
long statusKb(const QByteArray &key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.simplified().split(' ').value(1).toLong();
    return 0;
}
} // namespace

long residentKb()
{
    return statusKb("VmRSS:");
}

long peakResidentKb()
{
    // getrusage's ru_maxrss would do for a program started from a shell, but
    // in a process spawned by the bench it also holds the bench's own peak
    // from before exec.
    return statusKb("VmHWM:");
}

void printStartUp(std::int64_t mainStartedNs, const FirstScreen::Times &times, long residentKb)
{
    std::printf("painted %lld %lld %lld %ld\n", static_cast<long long>(mainStartedNs),
        static_cast<long long>(times.shownNs), static_cast<long long>(times.paintedNs), residentKb);
    std::fflush(stdout);
}

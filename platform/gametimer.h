// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QEvent>
#include <QObject>

namespace Platform {

class Clock;

// The game's one-second timer. Ticks come only while events are dispatched,
// after the events already waiting; periods that pass while the thread is busy
// give a single tick.
class GameTimer : public QObject
{
    Q_OBJECT

public:
    explicit GameTimer(QObject *parent = nullptr);
    ~GameTimer() override;

    // Turning it on starts a fresh period on the clock installed then, which
    // must outlive the timer's enabled time; setting the value it already has
    // changes nothing, so a running period is not restarted. Throws
    // EOutOfResources when the system has no timer left.
    void setEnabled(bool enabled);
    bool isEnabled() const { return m_enabled; }
    int interval() const { return 1000; }

    // Called by the clock when a period has passed: queues one tick unless one
    // is already waiting.
    void postTick();
    static QEvent::Type tickEventType();

Q_SIGNALS:
    void timeout();

protected:
    bool event(QEvent *event) override;

private:
    void disarm();

    bool m_enabled = false;
    bool m_tickQueued = false;
    Clock *m_armedBy = nullptr; // the clock that runs the periods, while enabled
};

} // namespace Platform

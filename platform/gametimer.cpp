// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/gametimer.h"

#include "platform/seam.h"

#include <QCoreApplication>

namespace Platform {

GameTimer::GameTimer(QObject *parent)
    : QObject(parent)
{
}

GameTimer::~GameTimer()
{
    if (m_enabled)
        disarm();
}

void GameTimer::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    if (enabled) {
        Clock &armedBy = clock();
        armedBy.armTimer(this, interval()); // may throw: the timer then stays off
        m_armedBy = &armedBy;
        m_enabled = true;
    } else {
        disarm();
    }
}

void GameTimer::disarm()
{
    m_armedBy->disarmTimer(this);
    m_armedBy = nullptr;
    m_enabled = false;
    // A tick of the old period must not arrive after the timer was turned off.
    QCoreApplication::removePostedEvents(this, tickEventType());
    m_tickQueued = false;
}

void GameTimer::postTick()
{
    if (!m_enabled || m_tickQueued)
        return;
    m_tickQueued = true;
    // Low priority: the tick comes after the events already waiting.
    QCoreApplication::postEvent(this, new QEvent(tickEventType()), Qt::LowEventPriority);
}

QEvent::Type GameTimer::tickEventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

bool GameTimer::event(QEvent *event)
{
    if (event->type() != tickEventType())
        return QObject::event(event);
    m_tickQueued = false;
    if (m_enabled)
        Q_EMIT timeout();
    return true;
}

} // namespace Platform

// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/seam.h"

// A clock for runs that must never wait: every reading of the tick count is
// a second later than the one before, sleeping takes no time, and the game's
// timer never ticks by itself. The date is a fixed morning.
class RushingClock : public Platform::Clock
{
public:
    quint32 tickCount() override { return m_now += 1000; }
    void sleep(int) override {}
    QDateTime localNow() override;
    QDateTime utcNow() override;
    void armTimer(Platform::GameTimer *, int) override {}
    void disarmTimer(Platform::GameTimer *) override {}

private:
    quint32 m_now = 0;
};

// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/dispatch.h"

#include "platform/seam.h"

#include <QCoreApplication>
#include <algorithm>

namespace Platform {

void dispatchPending()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    // Ticks queued by timers that fired during that pass arrive now, not a pass later.
    QCoreApplication::sendPostedEvents();
}

void waitDispatching(int ms)
{
    const quint32 wanted = static_cast<quint32>(std::max(ms, 0));
    const quint32 start = clock().tickCount();
    for (;;) {
        dispatchPending();
        const quint32 elapsed = clock().tickCount() - start; // modulo 2^32, right across the wrap
        if (elapsed >= wanted)
            break;
        clock().sleep(static_cast<int>(std::min<quint32>(wanted - elapsed, 10)));
    }
}

} // namespace Platform

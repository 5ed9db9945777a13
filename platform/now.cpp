// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/now.h"

#include "platform/seam.h"

namespace Platform {

quint32 tickCount()
{
    return clock().tickCount();
}
QDateTime localNow()
{
    return clock().localNow();
}
QDateTime utcNow()
{
    return clock().utcNow();
}

} // namespace Platform

// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "author/circle.h"

namespace Author {

bool overlap(const Circle &a, const Circle &b)
{
    const qint64 dx = qint64(a.x) - b.x;
    const qint64 dy = qint64(a.y) - b.y;
    const qint64 reach = qint64(a.r) + b.r;
    return dx * dx + dy * dy < reach * reach;
}

} // namespace Author

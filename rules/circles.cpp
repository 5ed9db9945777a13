// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/circles.h"

bool HitsAnswerCircle(qint32 x, qint32 y, qint32 r, qint32 px, qint32 py)
{
    const qint64 dx = qint64(px) - x;
    const qint64 dy = qint64(py) - y;
    return dx * dx + dy * dy <= qint64(r) * r;
}

bool AnswerCirclesOverlap(const AnswerCircle &a, const AnswerCircle &b)
{
    const qint64 dx = qint64(a.x) - b.x;
    const qint64 dy = qint64(a.y) - b.y;
    const qint64 reach = qint64(a.r) + b.r;
    return dx * dx + dy * dy <= reach * reach;
}

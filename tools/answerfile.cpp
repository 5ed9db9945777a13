// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/answerfile.h"

namespace {

QString field(int value)
{
    return (QString::number(value) + QStringLiteral("     ")).left(5);
}

} // namespace

QString formatAnswerLine(int x, int y, int r)
{
    return field(x) + field(y) + field(r);
}

QByteArray answerFileBytes(const std::vector<AnswerCircle> &circles, int limit)
{
    QByteArray bytes;
    for (const AnswerCircle &c : circles)
        bytes += formatAnswerLine(c.x, c.y, c.r).toLatin1() + "\r\n";
    bytes += QByteArray::number(limit) + "\r\n";
    return bytes;
}

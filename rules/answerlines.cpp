// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/answerlines.h"

#include "rules/textconv.h"

#include <algorithm>

namespace {
constexpr int FieldWidth = 5;

QString field(qint32 value)
{
    return (Platform::intToStr(value) + QString(FieldWidth, QLatin1Char(' '))).left(FieldWidth);
}

qint32 parseField(const QString &line, int column)
{
    return Platform::strToInt(Platform::trimmed(Platform::substring(line, column, FieldWidth)));
}
} // namespace

QString FormatAnswerLine(qint32 x, qint32 y, qint32 r)
{
    return field(x) + field(y) + field(r);
}

void ParseAnswerLine(const QString &line, qint32 &x, qint32 &y, qint32 &r)
{
    x = parseField(line, 1);
    y = parseField(line, 1 + FieldWidth);
    r = parseField(line, 1 + 2 * FieldWidth);
}

QStringList AnswerFileLines(const std::vector<AnswerCircle> &circles, qint32 limit)
{
    QStringList lines;
    for (const AnswerCircle &c : circles)
        lines << FormatAnswerLine(c.x, c.y, c.r);
    lines << Platform::intToStr(limit);
    return lines;
}

int TimeChoiceIndex(qint32 seconds)
{
    // Up to two minutes the choices step by ten seconds, then by minutes.
    // In 64 bits, so that the lowest limit a file can hold does not overflow.
    const qint64 s = seconds;
    return int(s > 120 ? s / 60 + 7 : (s - 30) / 10);
}

const QStringList &TimeChoices()
{
    static const QStringList choices {QStringLiteral("30"), QStringLiteral("40"), QStringLiteral("50"),
        QStringLiteral("60"), QStringLiteral("70"), QStringLiteral("80"), QStringLiteral("90"), QStringLiteral("100"),
        QStringLiteral("110"), QStringLiteral("120"), QStringLiteral("180"), QStringLiteral("240"),
        QStringLiteral("300")};
    return choices;
}

int TimeChoiceShown(qint32 seconds)
{
    return std::clamp(TimeChoiceIndex(seconds), 0, TimeChoiceCount - 1);
}

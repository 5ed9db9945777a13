// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/texts.h"

QString FullWidthNumber(qint32 n)
{
    static const QString digits = QStringLiteral("０１２３４５６７８９");
    const qint64 value = n; // the magnitude of the smallest value fits only here
    QString text = n < 0 ? QStringLiteral("－") : QString();
    for (const QChar c : QString::number(value < 0 ? -value : value))
        text += digits.at(c.digitValue());
    return text;
}

QString Greeting(int hour)
{
    if (hour >= 5 && hour <= 9)
        return QStringLiteral("おはよう！きょうも げんきかな！");
    if (hour <= 4)
        return QStringLiteral("まだよるだよ！ねむくないの？");
    switch (hour) {
    case 10:
    case 11:
        return QStringLiteral("きょうも げんきで がんばろうね！");
    case 12:
    case 13:
        return QStringLiteral("こんにちは！おひるごはん たべた？");
    case 14:
        return QStringLiteral("こんにちは！たのしい ゲームだよ！");
    case 15:
    case 16:
        return QStringLiteral("こんにちは！おやつ たべたかな？");
    case 17:
    case 18:
        return QStringLiteral("こんにちは！しゅくだいおわった？");
    case 19:
    case 20:
        return QStringLiteral("こんばんは！ばんごはん たべた？");
    case 21:
    case 22:
        return QStringLiteral("こんばんは！もうねるじかんだよ！");
    default:
        return QStringLiteral("おそくまでおきてちゃだめだよ！");
    }
}

// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "author/window/warnings.h"

#include "rules/constants.h"
#include "rules/answerlines.h"
#include "rules/circles.h"

#include <algorithm>

namespace Maker {

namespace {
QString circleName(int index)
{
    return QStringLiteral("円 %1").arg(index + 1);
}
} // namespace

std::vector<Warning> warningsFor(const std::vector<Author::Circle> &circles,
    const std::vector<Author::Circle> &changes, int pictureSide)
{
    std::vector<Warning> warnings;
    const int count = int(circles.size());
    for (int i = 0; i < count; ++i) {
        const Author::Circle &c = circles[std::size_t(i)];
        if (c.r < SmallestRadius || c.r > LargestRadius)
            warnings.push_back({Warning::OutOfRange, i,
                QStringLiteral("%1: 半径 %2 は %3 から %4 の間にしてください。")
                    .arg(circleName(i))
                    .arg(c.r)
                    .arg(SmallestRadius)
                    .arg(LargestRadius)});
        if (c.x < 0 || c.y < 0 || c.x >= pictureSide || c.y >= pictureSide)
            warnings.push_back({Warning::OutOfRange, i,
                QStringLiteral("%1: 中心 (%2, %3) が絵の外です。").arg(circleName(i)).arg(c.x).arg(c.y)});
        for (int j = 0; j < count; ++j)
            if (j != i && Author::overlap(c, circles[std::size_t(j)]))
                warnings.push_back({Warning::SharesArea, i,
                    QStringLiteral("%1 と %2 が重なっています。重なったところを押すと、どちらが当たったかがずれます。")
                        .arg(circleName(i), circleName(j))});
        const bool overChange = std::any_of(changes.begin(), changes.end(),
            [&](const Author::Circle &change) { return Author::overlap(c, change); });
        if (!overChange)
            warnings.push_back({Warning::OverNoChange, i,
                QStringLiteral("%1: この円の中で絵 A と絵 B に違いが見えません。").arg(circleName(i))});
    }
    for (const Author::Circle &change : changes) {
        const bool covered = std::any_of(circles.begin(), circles.end(),
            [&](const Author::Circle &c) { return Author::hits(c, change.x, change.y); });
        if (!covered)
            warnings.push_back({Warning::ChangeUncovered, -1,
                QStringLiteral("(%1, %2) のあたりの違いを囲む円がありません。子どもがそこを押すと、はずれになります。")
                    .arg(change.x)
                    .arg(change.y)});
    }
    if (count > MaxAnswers)
        warnings.push_back({Warning::Count, -1,
            QStringLiteral("円が %1 個あります。ゲームは最初の %2 個しか使いません。").arg(count).arg(MaxAnswers)});
    return warnings;
}

QStringList warningsPerCircle(const std::vector<Warning> &warnings, std::size_t circleCount)
{
    QStringList perCircle;
    for (std::size_t i = 0; i < circleCount; ++i)
        perCircle << QString();
    for (const Warning &warning : warnings) {
        if (warning.circle < 0 || std::size_t(warning.circle) >= circleCount)
            continue;
        QString &text = perCircle[warning.circle];
        if (!text.isEmpty())
            text += QLatin1Char('\n');
        text += warning.text;
    }
    return perCircle;
}

} // namespace Maker

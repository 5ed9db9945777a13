// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "author/twophotos.h"

#include "author/align.h"
#include "author/finder.h"
#include "author/square.h"

#include <algorithm>

namespace Author {

namespace {

QRect middleSquare(const QRect &area)
{
    return defaultSquare(area.size()).translated(area.topLeft());
}

// Picture B where a circle holds it, picture A everywhere else.
QImage onlyInCircles(const QImage &a, const QImage &b, const std::vector<Circle> &circles)
{
    QImage out = a.copy();
    for (const Circle &c : circles) {
        const QRect box = QRect(c.x - c.r, c.y - c.r, 2 * c.r + 1, 2 * c.r + 1) & out.rect();
        for (int y = box.top(); y <= box.bottom(); ++y) {
            const auto *from = reinterpret_cast<const QRgb *>(b.constScanLine(y));
            auto *to = reinterpret_cast<QRgb *>(out.scanLine(y));
            for (int x = box.left(); x <= box.right(); ++x)
                if (hits(c, x, y))
                    to[x] = from[x];
        }
    }
    return out;
}

} // namespace

TwoPhotoQuestion questionFromTwoPhotos(const QImage &photoA, const QImage &photoB, std::optional<QRect> square,
    const std::atomic_bool *cancel)
{
    TwoPhotoQuestion question;
    if (square && !photoA.rect().contains(*square)) {
        question.problem = QStringLiteral("四角 %1,%2,%3 は写真 A（%4 x %5）からはみ出します。")
                               .arg(square->x())
                               .arg(square->y())
                               .arg(square->width())
                               .arg(photoA.width())
                               .arg(photoA.height());
        return question;
    }
    const AlignedPair aligned = alignPhotos(photoA, photoB, cancel);
    question.cancelled = aligned.cancelled;
    question.problem = aligned.problem;
    if (aligned.cancelled || !aligned.problem.isEmpty())
        return question;
    question.common = aligned.common;
    question.square = square.value_or(middleSquare(aligned.common));
    // A square that overhangs what B covers by a pixel or two (a photo held
    // still, a square to the very edge) still sees B's edge there.
    constexpr int Overhang = 2;
    if (!aligned.common.adjusted(-Overhang, -Overhang, Overhang, Overhang).contains(question.square)) {
        question.problem = QStringLiteral("四角 %1,%2,%3 には、写真 B に写っていないところがあります。2 枚に写っている部分（%4,%5 から %6 x %7）の中にしてください。")
                               .arg(question.square.x())
                               .arg(question.square.y())
                               .arg(question.square.width())
                               .arg(aligned.common.x())
                               .arg(aligned.common.y())
                               .arg(aligned.common.width())
                               .arg(aligned.common.height());
        return question;
    }
    if (cancel && cancel->load()) {
        question.cancelled = true;
        return question;
    }
    question.a = cutSquare(photoA, question.square);
    const QImage laidB = cutSquare(aligned.b, question.square);
    FoundDifferences found = findChanges(question.a, laidB);
    question.problem = found.problem;
    if (!found.problem.isEmpty()) {
        question.b = laidB;
        return question;
    }
    question.circles = std::move(found.circles);
    question.b = onlyInCircles(question.a, laidB, question.circles);
    return question;
}

} // namespace Author

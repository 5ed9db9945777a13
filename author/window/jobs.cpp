// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "author/window/jobs.h"

#include "author/finder.h"
#include "author/limit.h"
#include "author/make.h"
#include "rules/constants.h"
#include "author/question.h"
#include "rules/answerlines.h"
#include "rules/circles.h"

#include <QFileInfo>
#include <QImageReader>

namespace Maker::Jobs {

namespace {
// A frame a quarter of the shorter side still gives the question every pixel.
constexpr int SmallestUsefulSide = 4 * PictureSide;

bool cancelled(const std::atomic_bool *cancel)
{
    return cancel && cancel->load();
}
} // namespace

std::optional<QImage> readPhoto(const QString &fileName, QString &why)
{
    const QFileInfo info(fileName);
    if (!info.isFile()) {
        why = QStringLiteral("写真 %1 がありません。").arg(info.fileName());
        return std::nullopt;
    }
    QImageReader reader(fileName);
    reader.setAutoTransform(true);
    // Halved while that keeps enough pixels: JPEG decodes at a half, a quarter
    // or an eighth of its size for hardly more than the cost of reading it.
    const QSize stored = reader.size();
    int divisor = 1;
    while (divisor < 8 && stored.isValid() && qMin(stored.width(), stored.height()) / (2 * divisor) >= SmallestUsefulSide)
        divisor *= 2;
    if (divisor > 1)
        reader.setScaledSize(QSize(stored.width() / divisor, stored.height() / divisor));
    QImage image = reader.read();
    if (image.isNull()) {
        why = QStringLiteral("写真 %1 を読めません（%2）。").arg(info.fileName(), reader.errorString());
        return std::nullopt;
    }
    if (qMin(image.width(), image.height()) < 2) {
        why = QStringLiteral("写真 %1 は小さすぎます。").arg(info.fileName());
        return std::nullopt;
    }
    return image;
}

QRect defaultSquare(QSize photo)
{
    const int side = qMin(photo.width(), photo.height());
    return QRect((photo.width() - side) / 2, (photo.height() - side) / 2, side, side);
}

QImage cutSquare(const QImage &photo, const QRect &square)
{
    return Author::questionSquare(photo.copy(square & photo.rect()));
}

MadeQuestion questionFromTwoPhotos(const QImage &photoA, const QImage &photoB, const QRect &square,
    const std::atomic_bool *cancel)
{
    MadeQuestion made;
    if (photoA.size() != photoB.size()) {
        made.problem = QStringLiteral("2 枚の写真の大きさが違います（%1 x %2 と %3 x %4）。同じ場所から同じ向きで撮った 2 枚にしてください。")
                           .arg(photoA.width())
                           .arg(photoA.height())
                           .arg(photoB.width())
                           .arg(photoB.height());
        return made;
    }
    made.a = cutSquare(photoA, square);
    if (cancelled(cancel))
        return MadeQuestion {{}, {}, {}, {}, true};
    made.b = cutSquare(photoB, square);
    if (cancelled(cancel))
        return MadeQuestion {{}, {}, {}, {}, true};
    made.circles = Author::findDifferences(made.a, made.b);
    made.cancelled = cancelled(cancel);
    made.problem = Author::proposalProblem(made.circles);
    return made;
}

namespace {
MadeQuestion fromPlanting(const QImage &a, const Author::Planting &planting)
{
    MadeQuestion made {a, planting.b, {}, planting.problem, planting.cancelled, {}};
    for (const Author::PlantedChange &change : planting.changes) {
        made.circles.push_back(change.circle);
        made.kinds.push_back(change.kind);
    }
    return made;
}

Author::Planting plantingOf(const QImage &b, const std::vector<Author::Circle> &circles,
    const std::vector<Author::ChangeKind> &kinds)
{
    Author::Planting planting {b, {}, {}, false};
    for (std::size_t i = 0; i < circles.size(); ++i)
        planting.changes.push_back({circles[i], i < kinds.size() ? kinds[i] : Author::ChangeKind::Added});
    return planting;
}
} // namespace

MadeQuestion questionFromOnePhoto(const QImage &photo, const QRect &square, int count, quint64 seed,
    const std::atomic_bool *cancel)
{
    const QImage a = cutSquare(photo, square);
    if (cancelled(cancel))
        return MadeQuestion {{}, {}, {}, {}, true, {}};
    return fromPlanting(a, Author::plantDifferences(a, count, seed, cancel));
}

MadeQuestion replantOne(const QImage &a, const QImage &b, const std::vector<Author::Circle> &circles,
    const std::vector<Author::ChangeKind> &kinds, int index, quint64 seed)
{
    return fromPlanting(a, Author::replantOne(a, plantingOf(b, circles, kinds), index, seed));
}

MadeQuestion putBack(const QImage &a, const QImage &b, const std::vector<Author::Circle> &circles,
    const std::vector<Author::ChangeKind> &kinds, int index)
{
    return fromPlanting(a, Author::putBack(a, plantingOf(b, circles, kinds), index));
}

int suggestedLimit(const std::vector<Author::Circle> &circles)
{
    return Author::suggestedLimit(circles);
}

} // namespace Maker::Jobs

// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "author/window/jobs.h"

#include "author/limit.h"
#include "author/square.h"
#include "author/twophotos.h"

#include <algorithm>

namespace Maker::Jobs {

namespace {
bool cancelled(const std::atomic_bool *cancel)
{
    return cancel && cancel->load();
}
} // namespace

QRect keptInside(QRect square, const QRect &area)
{
    const int side = std::max(1, std::min({square.width(), area.width(), area.height()}));
    square.setSize({side, side});
    square.moveLeft(std::clamp(square.left(), area.left(), area.right() + 1 - side));
    square.moveTop(std::clamp(square.top(), area.top(), area.bottom() + 1 - side));
    return square;
}

MadeQuestion questionFromTwoPhotos(const QImage &photoA, const QImage &photoB, std::optional<QRect> square,
    const std::atomic_bool *cancel)
{
    const Author::TwoPhotoQuestion made = Author::questionFromTwoPhotos(photoA, photoB, square, cancel);
    MadeQuestion question {made.a, made.b, made.circles, made.problem, made.cancelled, {}, made.square, made.common};
    // Only the pictures the library gives whole are shown: without B there is nothing to correct.
    if (question.b.isNull())
        question.a = QImage();
    return question;
}

namespace {
MadeQuestion fromPlanting(const QImage &a, const Author::Planting &planting)
{
    MadeQuestion made;
    made.a = a;
    made.b = planting.b;
    made.problem = planting.problem;
    made.cancelled = planting.cancelled;
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
    const QRect kept = keptInside(square, photo.rect());
    const QImage a = Author::cutSquare(photo, kept);
    if (cancelled(cancel)) {
        MadeQuestion stopped;
        stopped.cancelled = true;
        return stopped;
    }
    MadeQuestion made = fromPlanting(a, Author::plantDifferences(a, count, seed, cancel));
    made.square = kept;
    made.common = photo.rect();
    return made;
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

// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "author/circle.h"
#include "author/plant.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <atomic>
#include <optional>
#include <vector>

// The maker's one door to the author library's question work: laying two
// photos over each other and finding their differences, planting them into
// one, suggesting a limit. Kept in one place so the window follows the
// library as it grows.
namespace Maker::Jobs {

struct MadeQuestion
{
    QImage a;
    QImage b;
    std::vector<Author::Circle> circles;
    QString problem; // said to the grown-up; the pictures may still be there
    bool cancelled = false;
    std::vector<Author::ChangeKind> kinds; // of each circle, when planted
    QRect square; // of photo A, that became the pictures
    QRect common; // of photo A, that the frame may take (with two photos, what both show)
};

// A square chosen with the frame, moved and shrunk as little as it takes
// to lie in `area`.
QRect keptInside(QRect square, const QRect &area);

// Two photos of one place: B laid over A (a hand-held pair differs a little
// in size, turn and light), the square (in A's pixels; by default the middle
// of what both show) cut from both, the differences found. Photos of two
// places are refused with the reason and no pictures.
MadeQuestion questionFromTwoPhotos(const QImage &photoA, const QImage &photoB, std::optional<QRect> square,
    const std::atomic_bool *cancel);

// One photo: its square cut out, `count` differences planted with the seed.
MadeQuestion questionFromOnePhoto(const QImage &photo, const QRect &square, int count, quint64 seed,
    const std::atomic_bool *cancel);

// A planted question on the table: one difference made anew, or put back as
// in A (its circle gone). Kinds unknown (drawn by hand) count as added.
MadeQuestion replantOne(const QImage &a, const QImage &b, const std::vector<Author::Circle> &circles,
    const std::vector<Author::ChangeKind> &kinds, int index, quint64 seed);
MadeQuestion putBack(const QImage &a, const QImage &b, const std::vector<Author::Circle> &circles,
    const std::vector<Author::ChangeKind> &kinds, int index);

// One of the game's 13 time choices for these circles.
int suggestedLimit(const std::vector<Author::Circle> &circles);

} // namespace Maker::Jobs

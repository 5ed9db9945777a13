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

// The maker's one door to the author library's image work: reading photos,
// cutting the question's square, finding the differences, suggesting a
// limit. Kept in one place so the window follows the library as it grows.
namespace Maker::Jobs {

// A photo upright as the camera recorded it, decoded no larger than the
// question's square could use; empty with a sentence for the grown-up.
std::optional<QImage> readPhoto(const QString &fileName, QString &why);

// The middle, largest square of a photo.
QRect defaultSquare(QSize photo);
// The square cut from the photo as a 350 x 350 question picture.
QImage cutSquare(const QImage &photo, const QRect &square);

struct MadeQuestion
{
    QImage a;
    QImage b;
    std::vector<Author::Circle> circles;
    QString problem; // said to the grown-up; the pictures may still be there
    bool cancelled = false;
    std::vector<Author::ChangeKind> kinds; // of each circle, when planted
};

// Two photos of one place: the square of each cut out, the differences found.
MadeQuestion questionFromTwoPhotos(const QImage &photoA, const QImage &photoB, const QRect &square,
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

// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "author/circle.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <atomic>
#include <optional>
#include <vector>

namespace Author {

// A question made from two photos, before anything is written.
struct TwoPhotoQuestion
{
    QImage a, b; // the 350 x 350 pictures; when only the finder had a problem, b
                 // as laid over a, for a person to circle by hand
    std::vector<Circle> circles; // one per difference, on b
    QRect square; // the square of photo A that became the pictures
    QRect common; // the part of photo A that photo B covers, once laid over it
    QString problem; // why no question could be made (Japanese), or empty
    bool cancelled = false;
};

// Lays photo B over photo A, cuts the square (in A's pixels; by default the
// largest one in the middle of the part both photos cover) from both and
// finds the differences. Outside the circles, picture B is picture A, so
// what the camera changed between the shots (noise, a trace of the
// registration) is nothing a child could take for a difference.
TwoPhotoQuestion questionFromTwoPhotos(const QImage &photoA, const QImage &photoB, std::optional<QRect> square,
    const std::atomic_bool *cancel = nullptr);

} // namespace Author

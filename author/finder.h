// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "author/circle.h"

#include <QImage>
#include <QRect>

#include <vector>

namespace Author {

// One place where picture B differs from picture A: the changed pixels of one
// thing a child can spot, with the pixels of nearby changes merged in.
struct ChangedArea
{
    QRect bounds;
    std::vector<QPoint> pixels;
};

// The places where the pictures differ beyond the noise of JPEG compression
// and of a camera: the pictures are blurred lightly, compared colour by
// colour, the comparison is cut at a threshold learned from its own noise
// level, specks are dropped and changes close together are merged. Both
// pictures must have the same size.
std::vector<ChangedArea> changedAreas(const QImage &a, const QImage &b);

// One answer circle per changed area (several for an area too large for one
// circle): centred on the area, enclosing it with a small margin, its radius
// within 10 to 99. None where nothing changed.
std::vector<Circle> circlesFor(const std::vector<ChangedArea> &areas);

// changedAreas, then circlesFor.
std::vector<Circle> findDifferences(const QImage &a, const QImage &b);

} // namespace Author

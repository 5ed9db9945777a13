// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "author/circle.h"

#include <QImage>
#include <QString>

#include <atomic>
#include <vector>

namespace Author {

enum class ChangeKind { Removed, Recoloured, Mirrored, Resized, Copied, Added };

struct PlantedChange
{
    Circle circle;
    ChangeKind kind;
};

// Picture B with differences planted into a copy of picture A, one circle
// each; `problem` (in Japanese, for the adult) says why not all of them could
// be planted.
struct Planting
{
    QImage b;
    std::vector<PlantedChange> changes;
    QString problem;
    bool cancelled = false;
};

inline constexpr int FewestPlanted = 3;
inline constexpr int MostPlanted = 9;
inline constexpr int DefaultPlanted = 5;

// Plants `count` differences into the 350 x 350 picture A. B differs from A
// only inside the circles, which never share any pixel; each change is seen
// at a glance and shows no seam. The same picture, count and seed always
// give the same B.
Planting plantDifferences(const QImage &a, int count, quint64 seed, const std::atomic_bool *cancel = nullptr);

// Change number `index` made anew, differently (another kind or another
// place); the others kept.
Planting replantOne(const QImage &a, const Planting &current, int index, quint64 seed);

// B takes A's pixels inside that circle again; the change and its circle are gone.
Planting putBack(const QImage &a, const Planting &current, int index);

} // namespace Author

// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "author/circle.h"

#include <QPoint>
#include <QString>
#include <QStringList>

#include <vector>

namespace Maker {

// Something about the circles that would spoil play, shown on the circle
// (when it belongs to one) and in the list.
struct Warning
{
    enum Kind { SharesArea, OverNoChange, ChangeUncovered, OutOfRange, Count };
    Kind kind;
    int circle = -1; // index of the circle it is about, or -1
    QString text;
};

// The warnings for the circles drawn over a picture of the given side,
// against the changes the finder sees between A and B.
std::vector<Warning> warningsFor(const std::vector<Author::Circle> &circles,
    const std::vector<Author::Circle> &changes, int pictureSide = 350);

// Per circle: the texts of the warnings about it, joined for a tooltip.
QStringList warningsPerCircle(const std::vector<Warning> &warnings, std::size_t circleCount);

} // namespace Maker

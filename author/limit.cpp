// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "author/limit.h"

#include "rules/answerlines.h"
#include "rules/circles.h"

namespace Author {

namespace {

// A look at the whole picture first, then each difference; a small one takes
// longer to spot than one a child sees across the room.
constexpr int Settling = 20;
constexpr int PerDifference = 10;
constexpr int SmallRadius = 20;
constexpr int SmallExtra = 5;
constexpr int MediumRadius = 30;
constexpr int MediumExtra = 3;

} // namespace

int suggestedLimit(const std::vector<Circle> &circles)
{
    int seconds = Settling;
    for (const Circle &circle : circles)
        seconds += PerDifference + (circle.r < SmallRadius ? SmallExtra : circle.r < MediumRadius ? MediumExtra : 0);
    // The first choice that is long enough, or the longest there is.
    int chosen = 0;
    for (const QString &choice : TimeChoices()) {
        chosen = choice.toInt();
        if (chosen >= seconds)
            break;
    }
    return chosen;
}

} // namespace Author

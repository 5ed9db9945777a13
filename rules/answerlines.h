// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rules/circles.h"

#include <QString>
#include <QStringList>

#include <vector>

// An answer line is three five-column fields, X, Y and R, left-aligned and
// padded with blanks; the last line of an answer file holds the time limit.

QString FormatAnswerLine(qint32 x, qint32 y, qint32 r);

// Each value is stored as soon as its field converts, so a bad field leaves
// the fields before it delivered. Throws EConvertError.
void ParseAnswerLine(const QString &line, qint32 &x, qint32 &y, qint32 &r);

// The lines of an answer file: one answer line per circle, then the limit.
QStringList AnswerFileLines(const std::vector<AnswerCircle> &circles, qint32 limit);

// The entry of the time list for a limit of `seconds`, by the game's rule:
// it may fall outside the list for limits of 20 or below and 360 or above.
int TimeChoiceIndex(qint32 seconds);

// The entry to show for a limit: the rule's entry, or the nearest end of the
// list when the rule points past it.
int TimeChoiceShown(qint32 seconds);

inline constexpr int TimeChoiceCount = 13;

// The texts of the time list, in seconds: "30" to "120" by tens, then "180",
// "240" and "300".
const QStringList &TimeChoices();
inline constexpr int DefaultTimeChoice = 3; // "60"

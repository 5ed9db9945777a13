// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// An answer line is three five-column fields, X, Y and R, left-aligned and
// padded with blanks; the last line of an answer file holds the time limit.

QString FormatAnswerLine(qint32 x, qint32 y, qint32 r);

// Each value is stored as soon as its field converts, so a bad field leaves
// the fields before it delivered. Throws EConvertError.
void ParseAnswerLine(const QString &line, qint32 &x, qint32 &y, qint32 &r);

// The entry of the time list for a limit of `seconds`, by the game's rule:
// it may fall outside the list for limits of 20 or below and 360 or above.
int TimeChoiceIndex(qint32 seconds);

// The radii the answer-setting mode lets a circle take.
inline constexpr int SmallestRadius = 10;
inline constexpr int LargestRadius = 99;

// Whether a click on the pixel (px, py) finds the answer circle at (x, y) of
// radius r: its edge counts. In 64 bits, so no value a file holds overflows.
bool HitsAnswerCircle(qint32 x, qint32 y, qint32 r, qint32 px, qint32 py);

// The entry to show for a limit: the rule's entry, or the nearest end of the
// list when the rule points past it.
int TimeChoiceShown(qint32 seconds);

inline constexpr int TimeChoiceCount = 13;

// The texts of the time list, in seconds: "30" to "120" by tens, then "180",
// "240" and "300".
const QStringList &TimeChoices();
inline constexpr int DefaultTimeChoice = 3; // "60"

// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace Platform {

// Decimal, "-" before a negative number, no fill.
QString intToStr(qint32 value);

// Leading characters below 33, an optional sign, then decimal digits or a
// hexadecimal number after "$", "x" or "0x" (any letter case); nothing may
// follow. The value, sign applied, must fit in 32 signed bits; a hexadecimal
// number is a value too, so "$FFFFFFFF" fails and "-$80000000" passes.
// Anything else throws EConvertError naming the whole text.
qint32 strToInt(const QString &text);

// Cuts every character below 33 (control characters and blanks) from both ends.
QString trimmed(const QString &text);

// Positions from 1. A start below 1 counts as 1; a start after the end or a
// negative count gives ""; a count past the end stops at the end.
QString substring(const QString &text, int start, int count);

} // namespace Platform

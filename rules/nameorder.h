// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringView>

namespace Platform {

// The order a parent expects of a list of question names, the same on every
// machine: numbers by value (q2 before q10, full-width digits too), letters
// without regard to case or width, hiragana and katakana together (こっぷ and
// コップ side by side), everything else by character code. Negative, zero or
// positive, as a comes before, beside or after b; names that differ only in
// case, width or kana kind are beside each other.
int compareNames(QStringView a, QStringView b);

// compareNames, with names beside each other put in a fixed order (the lower
// case, ASCII or hiragana spelling first) so that sorting never depends on the
// order names came in.
bool nameBefore(QStringView a, QStringView b);

} // namespace Platform

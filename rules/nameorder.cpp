// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Written out rather than left to ICU's collation: opening a collator maps
// about 2 MB of ICU's tables and code before the title screen, for a list a
// child never reads.

#include "rules/nameorder.h"

#include <QChar>

#include <algorithm>

namespace Platform {

namespace {

    bool isDigit(QChar c)
    {
        return c.digitValue() >= 0;
    }

    // What a character sorts as: full-width Latin as its ASCII twin, letters
    // in one case, katakana as the hiragana of the same sound.
    char16_t folded(QChar c)
    {
        char16_t u = c.unicode();
        if (u >= 0xFF01 && u <= 0xFF5E)
            u = char16_t(u - 0xFEE0);
        u = QChar::toCaseFolded(u);
        if (u >= 0x30A1 && u <= 0x30F6)
            u = char16_t(u - 0x60);
        return u;
    }

    // The run of digits from i, without its leading zeros.
    QStringView digitRun(QStringView text, qsizetype &i)
    {
        while (i < text.size() && text[i].digitValue() == 0)
            ++i;
        const qsizetype start = i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
        return text.sliced(start, i - start);
    }

    int compareNumbers(QStringView a, QStringView b)
    {
        if (a.size() != b.size())
            return a.size() < b.size() ? -1 : 1;
        for (qsizetype k = 0; k < a.size(); ++k) {
            const int da = a[k].digitValue(), db = b[k].digitValue();
            if (da != db)
                return da < db ? -1 : 1;
        }
        return 0;
    }

} // namespace

int compareNames(QStringView a, QStringView b)
{
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            const int order = compareNumbers(digitRun(a, i), digitRun(b, j));
            if (order != 0)
                return order;
            continue;
        }
        const char16_t ca = folded(a[i]), cb = folded(b[j]);
        if (ca != cb)
            return ca < cb ? -1 : 1;
        ++i;
        ++j;
    }
    const qsizetype restA = a.size() - i, restB = b.size() - j;
    return restA == restB ? 0 : (restA < restB ? -1 : 1);
}

bool nameBefore(QStringView a, QStringView b)
{
    const int order = compareNames(a, b);
    if (order != 0)
        return order < 0;
    // Beside each other: at the first character that differs, the plain form
    // (lower case, ASCII, hiragana) comes first, as it did before.
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype k = 0; k < common; ++k) {
        if (a[k] == b[k])
            continue;
        const char16_t fa = folded(a[k]), fb = folded(b[k]);
        const bool plainA = fa == a[k].unicode(), plainB = fb == b[k].unicode();
        if (fa == fb && plainA != plainB)
            return plainA;
        break;
    }
    return a < b;
}

} // namespace Platform

// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QFont;

namespace Platform {
// Maps the Japanese face names the window asks for to the installed IPA
// fonts. Call before the application object is made.
void substituteFaces();

// One line of text as "ＭＳ ゴシック" and "ＭＳ Ｐゴシック" measure it: 220/256 of
// the character height (the font's pixel size) above the baseline and 36/256
// below, each rounded to whole pixels, so 13 -> 13, 21 -> 21, 24 -> 24,
// 32 -> 33. The stand-in IPA faces measure a line about 7% higher (21 -> 22,
// 24 -> 26); a label sizes itself and places its text by these figures, as
// the layout table of the window expects.
struct LineMetrics
{
    int ascent = 0;
    int height = 0;
};
LineMetrics lineMetrics(const QFont &font);
} // namespace Platform

// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/fonts.h"

#include <QFont>
#include <QFontInfo>

namespace {
// The vertical metrics of the original faces, in their design units.
constexpr int OriginalUnitsPerEm = 256;
constexpr int OriginalAscent = 220;
constexpr int OriginalDescent = 36;
} // namespace

void Platform::substituteFaces()
{
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
}

Platform::LineMetrics Platform::lineMetrics(const QFont &font)
{
    const int pixels = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    const int ascent = qRound(double(pixels) * OriginalAscent / OriginalUnitsPerEm);
    const int descent = qRound(double(pixels) * OriginalDescent / OriginalUnitsPerEm);
    return { ascent, ascent + descent };
}

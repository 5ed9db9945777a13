// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The bench's own play folder, laid out by the asset generator: the sample
// folder exactly as the build makes it, a folder of 99 questions, and a folder
// with one question of each picture kind for timing the loader.
namespace ScratchPlay {
inline const QString hundredFolder = QStringLiteral("99もん");
inline const QString loadingFolder = QStringLiteral("よみこみ");
// The questions of loadingFolder, in the order the catalogue lists them.
inline const QString bitmapQuestion = QStringLiteral("b");
inline const QString jpegQuestion = QStringLiteral("j");
inline const QString progressiveQuestion = QStringLiteral("p");
inline constexpr int hundredCount = 99;

// Writes the three folders into folder; throws AssetError.
void write(const QString &folder);
} // namespace ScratchPlay

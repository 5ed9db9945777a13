// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rules/constants.h"
#include "tools/scene.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <vector>

inline const QString iconFileName = QStringLiteral("pimukaro.png");
inline const QString smallIconFileName = QStringLiteral("pimukaro16.png");

// Writes bytes to path through a temporary file renamed over it, so a file is
// either whole or not there; throws AssetError.
void writeFileAtomically(const QString &path, const QByteArray &bytes);

// Writes name_A, name_B (.bmp or .jpg) and name_Ans.txt of each scene into
// folder, which is made if missing; a memory-mode folder also gets its marker.
// Throws AssetError, also for a scene that would make an unfair question.
void writeQuestionFolder(const QString &folder, const std::vector<Scene> &scenes, bool memoryMode);

void writeSounds(const QString &folder);
void writeIcons(const QString &folder);

// The sizes of the icon in the desktop's icon theme.
inline constexpr int themeIconSizes[] = { 16, 24, 32, 48, 64, 128, 256 };
// The icon as the hicolor theme lays it out below folder:
// SIZExSIZE/apps/name.png for every size above.
// draw paints the icon at a size (the game's icon unless told otherwise).
void writeThemeIcons(const QString &folder, const QString &name, QImage (*draw)(int) = nullptr);

// The whole play folder: both sample folders, the sounds and the icons.
void writeAllAssets(const QString &folder);

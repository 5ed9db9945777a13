// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The fixed numbers and names of the game, one place for the window, the
// author's tool and the asset generator alike.

// The game record has room for this many questions of a folder and answers
// of a question; a folder or file with more plays its first ones.
inline constexpr int MaxQuestions = 99;
inline constexpr int MaxAnswers = 99;

// Both pictures of a question are this many pixels wide and high.
inline constexpr int PictureSide = 350;

// The file in the play folder that remembers the question folder last chosen.
inline const QString RememberedFolderFile = QStringLiteral("Pimukaro.Set");

// The two sample folders the play folder starts with.
inline const QString SampleFolderName = QStringLiteral("サンプルもんだい");
inline const QString MemoryFolderName = QStringLiteral("おぼえてもんだい");

// The marker whose presence turns a folder into memory mode.
inline const QString MemoryMarkerFile = QStringLiteral("Kioku.txt");

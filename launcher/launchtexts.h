// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// What the launcher tells the grown-up who started the game from the menu:
// one line in Japanese, then the same in English for the person who looks
// after the computer.
namespace LaunchTexts {

QString windowTitle();
QString noHome();
QString dataMissing(const QString &folder);
QString fileInTheWay(const QString &playFolder);
QString danglingLink(const QString &playFolder);
QString cannotMake(const QString &playFolder, const QString &reason);
QString cannotWrite(const QString &playFolder);
QString cannotCopy(const QString &sampleFolder, const QString &reason);
QString cannotStart(const QString &game, const QString &reason);

} // namespace LaunchTexts

// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace PlayFolder {

// Copies being made are named so; one left by a start that was cut short is
// cleared by the next start.
inline QString partialPrefix()
{
    return QStringLiteral(".pimukaro-partial-");
}

// Makes the play folder when it is missing and copies into it each sample
// folder of dataFolder not there yet, so that a copy appears whole or not at
// all; anything already in the play folder is the user's and stays as it is.
// Starts at the same moment take turns. Gives what a person must be told
// when it cannot be done; then nothing of the user's has been changed.
std::optional<QString> prepare(const QString &playFolder, const QString &dataFolder, const QStringList &samples);

} // namespace PlayFolder

// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "recordinguser.h"

int RecordingUser::ask(const QString &message)
{
    m_shown.append(message);
    return Platform::IdNo;
}

void RecordingUser::message(const QString &message)
{
    m_shown.append(message);
}

void RecordingUser::error(const QString &boxText)
{
    m_shown.append(boxText);
}

std::optional<QString> RecordingUser::chooseFolder(const QString &prompt, const QString &, const QString &)
{
    m_shown.append(prompt);
    return std::nullopt;
}

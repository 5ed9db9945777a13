// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scripteduser.h"

#include <QtGlobal>

int ScriptedUser::ask(const QString &message)
{
    m_shown.append({ Kind::Question, message });
    if (m_answers.isEmpty())
        qFatal("ScriptedUser: the question \"%s\" was asked, but the test queued no answer",
            qPrintable(message));
    return m_answers.dequeue();
}

std::optional<QString> ScriptedUser::chooseFolder(
    const QString &prompt, const QString &root, const QString &current)
{
    m_folderRequests.append({ prompt, root, current });
    if (m_folders.isEmpty())
        qFatal("ScriptedUser: the folder chooser was opened, but the test queued no choice");
    return m_folders.dequeue();
}

QStringList ScriptedUser::texts(Kind kind) const
{
    QStringList result;
    for (const Shown &shown : m_shown) {
        if (shown.kind == kind)
            result.append(shown.text);
    }
    return result;
}

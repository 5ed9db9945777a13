// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/dialogs.h"

#include "rules/errors.h"
#include "platform/seam.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace Platform {

int askQuestion(const QString &message)
{
    return user().ask(message);
}
void showMessage(const QString &message)
{
    user().message(message);
}
void showError(const QString &message)
{
    user().error(Errors::boxText(message));
}

QString applicationTitle()
{
    return titleFromProgramPath(QCoreApplication::applicationFilePath());
}

QString titleFromProgramPath(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    const QString stem = name.left(name.indexOf(u'.')); // whole name when there is no "."
    return stem.left(1) + stem.mid(1).toLower();
}

} // namespace Platform

// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/folderchooser.h"

#include "platform/seam.h"

#include <QFileInfo>

namespace Platform {

bool chooseFolder(const QString &prompt, const QString &root, QString &current)
{
    if (!QFileInfo(current).isDir())
        current.clear();
    const std::optional<QString> chosen = user().chooseFolder(prompt, root, current);
    if (!chosen)
        return false;
    current = *chosen;
    return true;
}

} // namespace Platform

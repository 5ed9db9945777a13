// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "author/outcome.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace Author {

// One thing the check of a folder has to say.
struct Finding
{
    QString subject; // the question, or the folder for the folder as a whole
    QString text;
    bool problem = true; // false: worth knowing, but play goes well
};

// Everything in one question folder that would stop or spoil play.
std::vector<Finding> checkFolder(const QString &folder);

// checkFolder for each folder, printed; Problems when any problem was found.
Outcome checkFolders(const QStringList &folders);

} // namespace Author

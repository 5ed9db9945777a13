// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace Platform {

// Paths use "/"; a folder may be given with or without its trailing "/".

// An existing entry that is not a folder, relative to the current directory or absolute.
bool fileExists(const QString &path);
bool folderExists(const QString &path);

// Absolute, without a trailing "/" except for the root itself.
QString currentDirectory();

// The name on disk of the entry in folder whose name equals name without
// regard to letter case: the exact spelling if it exists, else the first in
// sorted order; empty when there is none.
QString findCaseInsensitive(const QString &folder, const QString &name);

// The path with its last part spelt as on disk when an entry matches it
// without regard to letter case; otherwise the path as given.
QString resolvePath(const QString &path);

// Names (without the folder) of every entry whose name ends in "." + extension,
// letter case ignored, hidden entries and folders included, sorted with
// numbers compared by value (q2 before q10). A missing folder gives none.
QStringList listFolder(const QString &folder, const QString &extension);

// The part after the last "/".
QString fileNameOf(const QString &path);
// Cuts before the last "." that stands after the last "/"; otherwise unchanged.
QString removeExtension(const QString &name);

} // namespace Platform

// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/files.h"

#include "rules/nameorder.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace Platform {

namespace {

    // An empty folder is the current directory, as a bare file name would be.
    QStringList entriesOf(const QString &folder)
    {
        const QString dir = folder.isEmpty() ? QStringLiteral(".") : folder;
        if (!QFileInfo(dir).isDir())
            return {};
        return QDir(dir).entryList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    }

    void sortNatural(QStringList &names)
    {
        std::sort(names.begin(), names.end(), nameBefore);
    }

} // namespace

bool fileExists(const QString &path)
{
    const QFileInfo info(path);
    return !path.isEmpty() && info.exists() && !info.isDir();
}

bool folderExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

QString currentDirectory()
{
    return QDir::currentPath();
}

QString findCaseInsensitive(const QString &folder, const QString &name)
{
    if (name.isEmpty())
        return QString();
    QStringList matches;
    for (const QString &entry : entriesOf(folder)) {
        if (entry == name)
            return entry;
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            matches.append(entry);
    }
    if (matches.isEmpty())
        return QString();
    sortNatural(matches);
    return matches.first();
}

QString resolvePath(const QString &path)
{
    if (QFileInfo::exists(path))
        return path;
    const qsizetype slash = path.lastIndexOf(u'/');
    const QString folder = path.left(slash + 1);
    const QString found = findCaseInsensitive(folder, path.mid(slash + 1));
    return found.isEmpty() ? path : folder + found;
}

QStringList listFolder(const QString &folder, const QString &extension)
{
    const QString ending = u'.' + extension;
    QStringList names;
    for (const QString &entry : entriesOf(folder)) {
        if (entry.endsWith(ending, Qt::CaseInsensitive))
            names.append(entry);
    }
    sortNatural(names);
    return names;
}

QString fileNameOf(const QString &path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

QString removeExtension(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot < 0 || dot < name.lastIndexOf(u'/'))
        return name;
    return name.left(dot);
}

} // namespace Platform

// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fuzzsupport.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace Fuzz {

void fail(const char *what, const QString &detail)
{
    std::fprintf(stderr, "FUZZ CHECK FAILED: %s%s%s\n", what, detail.isEmpty() ? "" : ": ",
                 detail.toUtf8().constData());
    std::abort();
}

QString tempPath(const QString &fileName)
{
    static QTemporaryDir folder;
    if (!folder.isValid())
        fail("no temporary folder", folder.errorString());
    return folder.filePath(fileName);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fail("cannot write the input file", path);
}

} // namespace Fuzz

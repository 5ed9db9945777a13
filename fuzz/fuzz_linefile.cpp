// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Line files (answer files, the remembered folder) of any bytes: the lines
// hold no line ends, writing them and cutting them again gives the same
// lines, and a save followed by a load does too.
#include "fuzzsupport.h"

#include "rules/errors.h"
#include "rules/linefile.h"

#include <QFile>

namespace {

void checkItems(const QStringList &items)
{
    for (const QString &item : items) {
        if (item.contains(u'\r') || item.contains(u'\n') || item.contains(QChar(0)))
            Fuzz::fail("a line holds CR, LF or NUL", item);
    }
}

QByteArray readBack(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        Fuzz::fail("the saved file cannot be read back", path);
    return file.readAll();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList items = Platform::splitLines(Fuzz::bytesOf(data, size));
    checkItems(items);

    const QByteArray joined = Platform::joinLines(items);
    // A first line that itself starts with U+FEFF reads back as a byte order
    // mark, which the reader drops: the one text that cannot round-trip.
    if (!items.isEmpty() && items.first().startsWith(QChar(0xFEFF)))
        return 0;
    if (Platform::splitLines(joined) != items)
        Fuzz::fail("split, join, split changed the lines");

    const QString path = Fuzz::tempPath(QStringLiteral("lines.txt"));
    try {
        Platform::saveLines(items, path);
        if (readBack(path) != joined)
            Fuzz::fail("the saved bytes are not the joined lines");
        if (Platform::loadLines(path) != items)
            Fuzz::fail("save then load changed the lines");
    } catch (const EGameError &e) {
        Fuzz::fail("saving or loading a temporary file failed", e.message());
    }
    return 0;
}

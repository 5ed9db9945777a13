// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace Platform {

// Cuts UTF-8 bytes into lines. A line ends at CR LF, a lone CR or a lone LF
// (LF CR is two ends); a last line without an end still counts, an end at the
// very end adds no empty line, and a NUL byte ends the text. A byte order
// mark that starts the file is dropped; every other character stays, a
// U+FEFF at the start of a later line too.
QStringList splitLines(const QByteArray &bytes);

// At most `first` lines from the start and, when the text holds more, its
// last line after them, by the same rules as splitLines. Only the kept lines
// are decoded, so a text of a million lines costs no more than its bytes.
QStringList splitFirstAndLastLines(const QByteArray &bytes, qsizetype first);

// Every item followed by CR LF, the last one included, as UTF-8.
QByteArray joinLines(const QStringList &items);

// Reads a whole text file into lines. Throws EFOpenError when the file cannot
// be opened (missing, a folder, not a plain file, no access) and EReadError
// when it cannot be read or is far larger than any file the game uses.
QStringList loadLines(const QString &fileName);

// loadLines cut as splitFirstAndLastLines cuts, with the same errors.
QStringList loadFirstAndLastLines(const QString &fileName, qsizetype first);

// Replaces the file with the lines, all or nothing: the old file stays whole
// on any failure and no temporary file is left behind. Throws EFCreateError
// when the file cannot be created or put in place (also when the name belongs
// to a folder, a pipe, a device or a link to nowhere), EWriteError when the
// device takes fewer bytes than asked. The bytes go through the disk of
// rules/diskseam.h.
void saveLines(const QStringList &items, const QString &fileName);

// saveLines for any bytes: all or nothing, with the same errors.
void saveFile(const QByteArray &bytes, const QString &fileName);

} // namespace Platform

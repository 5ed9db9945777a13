// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// Small helpers shared by the fuzz targets.
namespace Fuzz {

// Reports a broken promise of the code under test and aborts, so libFuzzer
// keeps the input that caused it.
[[noreturn]] void fail(const char *what, const QString &detail = QString());

// A path for fileName in a folder of this process that goes away at exit.
QString tempPath(const QString &fileName);

// Replaces the file with the bytes; a failure to write is the machine's fault, not the input's.
void writeFile(const QString &path, const QByteArray &bytes);

inline QByteArray bytesOf(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

} // namespace Fuzz

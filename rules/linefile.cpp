// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/linefile.h"

#include "rules/diskseam.h"
#include "rules/errors.h"
#include "rules/plainfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace Platform {

namespace {

    // The answer and remembered-folder files are a few hundred bytes; anything
    // past this is not one of them and must not eat the memory.
    constexpr qint64 maxTextFileSize = qint64(64) * 1024 * 1024;

    // Lines keep every character they were saved with: a U+FEFF at the start
    // of a line is text like any other, not a byte order mark to drop, so a
    // save followed by a load gives back the same lines.
    QString decodeLine(const char *start, qsizetype length)
    {
        QStringDecoder decoder(QStringDecoder::Utf8,
                               QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
        return decoder.decode(QByteArrayView(start, length));
    }

    // Calls visit(start, length) for each line, without its line end.
    template <typename Visit> void forEachLine(const QByteArray &bytes, Visit visit)
    {
        const qsizetype nul = bytes.indexOf('\0');
        const qsizetype end = nul < 0 ? bytes.size() : nul;
        const char *text = bytes.constData();

        // Editors such as Notepad put a byte order mark before the first line
        // of a file they save as UTF-8; it is no part of the text.
        const qsizetype bom = QByteArrayView(text, end).startsWith("\xEF\xBB\xBF") ? 3 : 0;

        qsizetype start = bom;
        qsizetype i = bom;
        while (i < end) {
            const char c = text[i];
            if (c != '\r' && c != '\n') {
                ++i;
                continue;
            }
            visit(text + start, i - start);
            i += (c == '\r' && i + 1 < end && text[i + 1] == '\n') ? 2 : 1;
            start = i;
        }
        if (start < end)
            visit(text + start, end - start);
    }

    QByteArray readTextFile(const QString &fileName)
    {
        QFile file;
        if (!openPlainFile(file, fileName))
            throw EFOpenError(Errors::cannotOpen(fileName));
        if (file.size() > maxTextFileSize)
            throw EReadError(Errors::readError());
        const QByteArray bytes = file.readAll();
        if (file.error() != QFileDevice::NoError || bytes.size() > maxTextFileSize)
            throw EReadError(Errors::readError());
        return bytes;
    }

} // namespace

QStringList splitLines(const QByteArray &bytes)
{
    QStringList lines;
    forEachLine(bytes, [&lines](const char *start, qsizetype length) { lines.append(decodeLine(start, length)); });
    return lines;
}

QStringList splitFirstAndLastLines(const QByteArray &bytes, qsizetype first)
{
    QStringList lines;
    const char *lastStart = nullptr;
    qsizetype lastLength = 0;
    qsizetype count = 0;
    forEachLine(bytes, [&](const char *start, qsizetype length) {
        if (++count <= first) {
            lines.append(decodeLine(start, length));
        } else {
            lastStart = start;
            lastLength = length;
        }
    });
    if (lastStart)
        lines.append(decodeLine(lastStart, lastLength));
    return lines;
}

QByteArray joinLines(const QStringList &items)
{
    QByteArray bytes;
    for (const QString &item : items) {
        bytes += item.toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

QStringList loadLines(const QString &fileName)
{
    return splitLines(readTextFile(fileName));
}

QStringList loadFirstAndLastLines(const QString &fileName, qsizetype first)
{
    return splitFirstAndLastLines(readTextFile(fileName), first);
}

void saveLines(const QStringList &items, const QString &fileName)
{
    saveFile(joinLines(items), fileName);
}

void saveFile(const QByteArray &bytes, const QString &fileName)
{
    // The save replaces a plain file or makes a new one. A folder, a pipe, a
    // device or a link that leads nowhere keeps its name: replacing what a
    // link points to would write outside the folder the file seems to be in.
    const QFileInfo target(fileName);
    if ((target.exists() && !target.isFile()) || (target.isSymLink() && !target.exists()))
        throw EFCreateError(Errors::cannotCreate(fileName));

    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw EFCreateError(Errors::cannotCreate(fileName));

    Disk &device = disk();
    const qint64 written = bytes.isEmpty() ? 0 : device.write(file, bytes.constData(), bytes.size());
    if (written != bytes.size()) {
        file.cancelWriting();
        throw EWriteError(Errors::writeError());
    }
    if (!file.flush()) {
        file.cancelWriting();
        throw EWriteError(Errors::writeError());
    }
    device.beforeCommit();
    if (!file.commit()) {
        // A buffered write that fails on the final flush is a full disk, not a naming problem.
        if (file.error() == QFileDevice::WriteError)
            throw EWriteError(Errors::writeError());
        throw EFCreateError(Errors::cannotCreate(fileName));
    }
}

} // namespace Platform

#include "platform/linefile.h"

#include "platform/errors.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace Platform {

namespace {

    // The answer and remembered-folder files are a few hundred bytes; anything
    // past this is not one of them and must not eat the memory.
    constexpr qint64 maxTextFileSize = qint64(64) * 1024 * 1024;

    qint64 writeLimit = -1;

    // Lines keep every character they were saved with: a U+FEFF at the start
    // of a line is text like any other, not a byte order mark to drop, so a
    // save followed by a load gives back the same lines.
    QString decodeLine(const char *start, qsizetype length)
    {
        QStringDecoder decoder(QStringDecoder::Utf8,
                               QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
        return decoder.decode(QByteArrayView(start, length));
    }

} // namespace

QStringList splitLines(const QByteArray &bytes)
{
    const qsizetype nul = bytes.indexOf('\0');
    const QByteArray text = nul < 0 ? bytes : bytes.left(nul);

    // Editors such as Notepad put a byte order mark before the first line of
    // a file they save as UTF-8; it is no part of the text.
    const qsizetype bom = text.startsWith("\xEF\xBB\xBF") ? 3 : 0;

    QStringList lines;
    qsizetype start = bom;
    qsizetype i = bom;
    while (i < text.size()) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        lines.append(decodeLine(text.constData() + start, i - start));
        i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
        start = i;
    }
    if (start < text.size())
        lines.append(decodeLine(text.constData() + start, text.size() - start));
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
    // Only plain files: a pipe or a device could block or never end.
    const QFileInfo info(fileName);
    QFile file(fileName);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        throw EFOpenError(Errors::cannotOpen(fileName));
    if (file.size() > maxTextFileSize)
        throw EReadError(Errors::readError());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError || bytes.size() > maxTextFileSize)
        throw EReadError(Errors::readError());
    return splitLines(bytes);
}

void saveLines(const QStringList &items, const QString &fileName)
{
    const QByteArray bytes = joinLines(items);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw EFCreateError(Errors::cannotCreate(fileName));

    const qint64 accepted = writeLimit < 0 ? bytes.size() : qMin<qint64>(writeLimit, bytes.size());
    const qint64 written = accepted > 0 ? file.write(bytes.constData(), accepted) : 0;
    if (written != bytes.size()) {
        file.cancelWriting();
        throw EWriteError(Errors::writeError());
    }
    if (!file.commit()) {
        // A buffered write that fails on the final flush is a full disk, not a naming problem.
        if (file.error() == QFileDevice::WriteError)
            throw EWriteError(Errors::writeError());
        throw EFCreateError(Errors::cannotCreate(fileName));
    }
}

void setWriteLimitForTesting(qint64 bytes)
{
    writeLimit = bytes;
}

} // namespace Platform

// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "author/writequestion.h"

#include "rules/questionfiles.h"
#include "rules/answerlines.h"
#include "rules/errors.h"
#include "rules/files.h"
#include "rules/linefile.h"
#include "tools/asseterror.h"
#include "tools/imagewriters.h"

#include <QFile>

#include <optional>

namespace Author {

namespace {

struct Planned
{
    QString fileName;
    QByteArray bytes;
    std::optional<QByteArray> before; // what was there, to put back
};

std::optional<QByteArray> contentsOf(const QString &fileName)
{
    if (!Platform::fileExists(fileName))
        return std::nullopt;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

// Puts back what the files held before this run wrote them.
void undo(const std::vector<Planned> &written)
{
    for (const Planned &file : written) {
        if (!file.before) {
            QFile::remove(file.fileName);
            continue;
        }
        try {
            Platform::saveFile(*file.before, file.fileName);
        } catch (const EGameError &) {
            // Nothing better is left to do; the reason already goes out.
        }
    }
}

} // namespace

QStringList existingPictures(const QuestionPath &question)
{
    QStringList found;
    for (const char *ending : {"_A.bmp", "_B.bmp", "_A.jpg", "_B.jpg"}) {
        const QString path = Platform::resolvePath(question.folder + question.name + QLatin1String(ending));
        if (Platform::fileExists(path))
            found << Platform::fileNameOf(path);
    }
    return found;
}

QString writeQuestion(const QuestionPath &question, const QImage &a, const QImage &b, const std::vector<Circle> &circles,
    int limit, const WriteOptions &options)
{
    if (question.name.isEmpty())
        return QStringLiteral("もんだいの名前がありません。フォルダ/名前 の形で指定してください。");
    if (!Platform::folderExists(question.folder))
        return QStringLiteral("フォルダ %1 がありません。").arg(question.folder);
    const QStringList already = existingPictures(question);
    if (!already.isEmpty() && !options.replace)
        return QStringLiteral("その名前の絵（%1）がもうあります。別の名前にしてください。").arg(already.join(QStringLiteral("、")));

    const QString extension = options.bitmap ? QStringLiteral(".bmp") : QStringLiteral(".jpg");
    std::vector<Planned> plan;
    try {
        for (const auto &[side, picture] : {std::pair {"_A", &a}, std::pair {"_B", &b}}) {
            const QString fileName = Platform::resolvePath(question.folder + question.name + QLatin1String(side) + extension);
            plan.push_back({fileName, options.bitmap ? encodeBitmap(*picture) : encodeJpeg(*picture, MadeJpegQuality, false),
                contentsOf(fileName)});
        }
    } catch (const AssetError &error) {
        return QStringLiteral("絵にできませんでした（%1）。何も作っていません。").arg(error.message());
    }
    const QString answerFile = AnswerFileOf(question.folder, question.name);
    if (options.replace || !Platform::fileExists(answerFile))
        plan.push_back({answerFile, Platform::joinLines(AnswerFileLines(circles, limit)), contentsOf(answerFile)});

    std::vector<Planned> written;
    try {
        for (const Planned &file : plan) {
            Platform::saveFile(file.bytes, file.fileName);
            written.push_back(file);
        }
    } catch (const EGameError &error) {
        undo(written);
        return QStringLiteral("書き込めませんでした（%1）。何も作っていません。").arg(Errors::boxText(error.message()));
    }
    // Pictures of the other kind would list the question twice.
    for (const QString &old : already)
        if (!old.endsWith(extension, Qt::CaseInsensitive))
            QFile::remove(question.folder + old);
    return QString();
}

} // namespace Author

// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "author/interimphoto.h"

#include "author/make.h"
#include "rules/answerlines.h"
#include "rules/constants.h"
#include "rules/questionfiles.h"
#include "rules/errors.h"
#include "rules/files.h"
#include "rules/linefile.h"
#include "tools/asseterror.h"
#include "tools/imagewriters.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace Author::Interim {

std::optional<QImage> readPhoto(const QString &fileName, QString &why)
{
    const QFileInfo info(fileName);
    if (!info.exists()) {
        why = QStringLiteral("写真 %1 がありません。").arg(fileName);
        return std::nullopt;
    }
    if (!info.isFile()) {
        why = QStringLiteral("%1 は写真のファイルではありません。").arg(fileName);
        return std::nullopt;
    }
    QImageReader reader(fileName);
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull()) {
        why = QStringLiteral("写真 %1 を読めません（%2）。").arg(fileName, reader.errorString());
        return std::nullopt;
    }
    return image;
}

QRect defaultSquare(QSize photo)
{
    const int side = std::min(photo.width(), photo.height());
    return {(photo.width() - side) / 2, (photo.height() - side) / 2, side, side};
}

QImage cutSquare(const QImage &photo, const QRect &square)
{
    return questionSquare(photo.copy(square));
}

QString writeQuestion(const QuestionPath &question, const QImage &a, const QImage &b,
    const std::vector<Circle> &circles, int limit, const WriteOptions &options)
{
    const QString extension = options.bitmap ? QStringLiteral(".bmp") : QStringLiteral(".jpg");
    const QString fileA = question.folder + question.name + QStringLiteral("_A") + extension;
    const QString fileB = question.folder + question.name + QStringLiteral("_B") + extension;
    const QString answerFile = AnswerFileOf(question.folder, question.name);
    if (!options.replace) {
        QStringList there;
        for (const char *ending : {"_A.bmp", "_B.bmp", "_A.jpg", "_B.jpg", "_Ans.txt"}) {
            const QString path = Platform::resolvePath(question.folder + question.name + QLatin1String(ending));
            if (Platform::fileExists(path))
                there << Platform::fileNameOf(path);
        }
        if (!there.isEmpty())
            return QStringLiteral("その名前のファイル（%1）がもうあります。別の名前にしてください。")
                .arg(there.join(QStringLiteral("、")));
    }
    QStringList written;
    try {
        const QByteArray bytesA = options.bitmap ? encodeBitmap(a) : encodeJpeg(a, MadeJpegQuality, false);
        const QByteArray bytesB = options.bitmap ? encodeBitmap(b) : encodeJpeg(b, MadeJpegQuality, false);
        Platform::saveFile(bytesA, fileA);
        written << fileA;
        Platform::saveFile(bytesB, fileB);
        written << fileB;
        Platform::saveLines(AnswerFileLines(circles, limit), answerFile);
    } catch (const EGameError &error) {
        for (const QString &file : written)
            QFile::remove(file);
        return QStringLiteral("書き込めませんでした（%1）。").arg(Errors::boxText(error.message()));
    } catch (const AssetError &error) {
        for (const QString &file : written)
            QFile::remove(file);
        return QStringLiteral("絵にできませんでした（%1）。").arg(error.message());
    }
    return {};
}

} // namespace Author::Interim

// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "author/make.h"

#include "author/finder.h"
#include "author/photo.h"
#include "author/twophotos.h"
#include "rules/questionfiles.h"
#include "rules/errors.h"
#include "rules/files.h"
#include "rules/picture.h"
#include "tools/asseterror.h"
#include "tools/imagewriters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>

namespace Author {

namespace {

// The pictures as the game will read them from the files, checked the way
// `check` will: every difference found there falls in one of the circles.
QString readBackProblem(const TwoPhotoQuestion &made, bool bitmap)
{
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return QString(); // nothing to compare with; the pictures themselves were checked
    const QString extension = bitmap ? QStringLiteral(".bmp") : QStringLiteral(".jpg");
    try {
        PicturePair read;
        for (const auto &[side, picture, into] :
            {std::tuple {"a", &made.a, &read.a}, std::tuple {"b", &made.b, &read.b}}) {
            const QString fileName = scratch.filePath(QLatin1String(side) + extension);
            QFile file(fileName);
            if (!file.open(QIODevice::WriteOnly))
                return QString();
            file.write(bitmap ? encodeBitmap(*picture) : encodeJpeg(*picture, MadeJpegQuality, false));
            file.close();
            *into = loadPicture(fileName)->image();
        }
        for (const Circle &found : findDifferences(read.a, read.b))
            if (std::none_of(made.circles.begin(), made.circles.end(),
                    [&](const Circle &c) { return hits(c, found.x, found.y); }))
                return QStringLiteral("保存した絵では (%1, %2) のあたりにも違いが出て、答えの円と合いません。")
                    .arg(found.x)
                    .arg(found.y);
    } catch (const EGameError &) {
        return QString();
    } catch (const AssetError &) {
        return QString();
    }
    return QString();
}

} // namespace

Outcome makeQuestion(const QuestionPath &question, const QString &photoA, const QString &photoB,
    const MakeOptions &options)
{
    Outcome outcome;
    const auto say = [&](const QString &text) { return messageLine(question.name, text); };
    if (question.name.isEmpty())
        return outcome.fail(messageLine(question.folder, QStringLiteral("もんだいの名前がありません。フォルダ/名前 の形で指定してください。")));
    if (!Platform::folderExists(question.folder))
        return outcome.fail(say(QStringLiteral("フォルダ %1 がありません。").arg(question.folder)));
    if (const QStringList already = existingPictures(question); !already.isEmpty())
        return outcome.fail(say(QStringLiteral("その名前の絵（%1）がもうあります。別の名前にしてください。")
                                    .arg(already.join(QStringLiteral("、")))));

    QString why;
    QSize fullA, fullB;
    const std::optional<QImage> a = readPhoto(photoA, why, &fullA);
    if (!a)
        return outcome.fail(say(why));
    const std::optional<QImage> b = readPhoto(photoB, why, &fullB);
    if (!b)
        return outcome.fail(say(why));
    if (fullA != fullB)
        return outcome.fail(say(QStringLiteral("2 枚の写真の大きさが違います（%1 x %2 と %3 x %4）。同じ大きさの写真にしてください。")
                                    .arg(fullA.width())
                                    .arg(fullA.height())
                                    .arg(fullB.width())
                                    .arg(fullB.height())));
    if (options.square && !QRect(QPoint(0, 0), fullA).contains(*options.square)) {
        outcome.status = UsageError;
        outcome.warn(say(QStringLiteral("--square %1,%2,%3 は写真 A（%4 x %5）からはみ出します。")
                             .arg(options.square->x())
                             .arg(options.square->y())
                             .arg(options.square->width())
                             .arg(fullA.width())
                             .arg(fullA.height())));
        return outcome;
    }
    const std::optional<QRect> square
        = options.square ? std::optional(squareInReadPhoto(*options.square, fullA, a->size())) : std::nullopt;

    const TwoPhotoQuestion made = questionFromTwoPhotos(*a, *b, square);
    if (!made.problem.isEmpty())
        return outcome.fail(say(made.problem + QStringLiteral("何も作っていません。")));
    if (const QString problem = readBackProblem(made, options.bitmap); !problem.isEmpty())
        return outcome.fail(say(problem + QStringLiteral("何も作っていません。")));

    const QString answerFile = AnswerFileOf(question.folder, question.name);
    const bool keepsAnswers = Platform::fileExists(answerFile);
    if (const QString problem = writeQuestion(question, made.a, made.b, made.circles, options.limit, {options.bitmap, false});
        !problem.isEmpty())
        return outcome.fail(say(problem));

    const QString extension = options.bitmap ? QStringLiteral(".bmp") : QStringLiteral(".jpg");
    const QString pictureNames = question.name + QStringLiteral("_A") + extension + QStringLiteral(" と ") + question.name
        + QStringLiteral("_B") + extension;
    if (keepsAnswers)
        outcome.tell(say(QStringLiteral("%1 を作りました。答えファイル %2 はもうあるので、そのままにしました。")
                             .arg(pictureNames, Platform::fileNameOf(answerFile))));
    else
        outcome.tell(say(QStringLiteral("%1 と %2 を作りました（違い %3 か所、制限時間 %4 秒）。")
                             .arg(pictureNames, Platform::fileNameOf(answerFile), QString::number(made.circles.size()),
                                 QString::number(options.limit))));
    return outcome;
}

} // namespace Author

// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "author/makeone.h"

#include "author/limit.h"
#include "author/photo.h"
#include "author/square.h"
#include "author/writequestion.h"
#include "rules/answerlines.h"
#include "rules/circles.h"
#include "rules/questionfiles.h"
#include "rules/files.h"

#include <QRandomGenerator>
#include <QRegularExpression>

namespace Author {

namespace {

// Seeds a parent can type again.
constexpr quint32 SeedsPicked = 1000000000;

std::optional<int> differencesOf(const QString &text)
{
    static const QRegularExpression digit(QStringLiteral("^[3-9]$"));
    return digit.match(text).hasMatch() ? std::optional<int>(text.toInt()) : std::nullopt;
}

std::optional<quint64> seedOf(const QString &text)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,20}$"));
    bool ok = false;
    const quint64 seed = text.toULongLong(&ok);
    return digits.match(text).hasMatch() && ok ? std::optional<quint64>(seed) : std::nullopt;
}

std::optional<QRect> squareOf(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^([0-9]{1,9}),([0-9]{1,9}),([0-9]{1,9})$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch() || match.captured(3).toInt() < 1)
        return std::nullopt;
    return QRect(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt(),
        match.captured(3).toInt());
}

QString kindText(ChangeKind kind)
{
    switch (kind) {
    case ChangeKind::Removed:
        return QStringLiteral("物を消しました");
    case ChangeKind::Recoloured:
        return QStringLiteral("色を変えました");
    case ChangeKind::Mirrored:
        return QStringLiteral("向きを変えました");
    case ChangeKind::Resized:
        return QStringLiteral("大きさを変えました");
    case ChangeKind::Copied:
        return QStringLiteral("同じ物を増やしました");
    case ChangeKind::Added:
        return QStringLiteral("小さな物を足しました");
    }
    return {};
}

} // namespace

std::optional<OnePhotoRequest> parseOnePhotoMake(const QStringList &words, QString &why)
{
    OnePhotoRequest request;
    QStringList plain;
    bool onlyForOne = false;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString &word = words[i];
        if (!word.startsWith(QStringLiteral("--"))) {
            plain << word;
            continue;
        }
        if (word == QStringLiteral("--bmp")) {
            request.bitmap = true;
            continue;
        }
        const bool takesValue = word == QStringLiteral("--differences") || word == QStringLiteral("--seed")
            || word == QStringLiteral("--square") || word == QStringLiteral("--limit");
        if (!takesValue) {
            why = QStringLiteral("%1 というオプションはありません。").arg(word);
            continue;
        }
        const QString value = i + 1 < words.size() ? words[++i] : QString();
        if (word == QStringLiteral("--differences")) {
            onlyForOne = true;
            request.differences = differencesOf(value).value_or(0);
            if (!request.differences)
                why = QStringLiteral("--differences には違いの数（%1 から %2）を付けてください。").arg(FewestPlanted).arg(MostPlanted);
        } else if (word == QStringLiteral("--seed")) {
            onlyForOne = true;
            request.seed = seedOf(value);
            if (!request.seed)
                why = QStringLiteral("--seed には 0 以上の整数を付けてください。");
        } else if (word == QStringLiteral("--square")) {
            request.square = squareOf(value);
            if (!request.square)
                why = QStringLiteral("--square には写真の中の正方形を 左,上,一辺 の画素で付けてください（例: --square 500,0,3000）。");
        } else {
            request.limit = timeChoiceSeconds(value);
            if (!request.limit)
                why = QStringLiteral("--limit には選べる時間（%1）のどれかを秒で付けてください。")
                          .arg(TimeChoices().join(QStringLiteral(", ")));
        }
    }
    if (plain.size() != 2) {
        // Two photos: their own make reads the words, unless an option is
        // one that only plants differences.
        if (onlyForOne && plain.size() == 3)
            why = QStringLiteral("--differences と --seed は写真が 1 枚のときだけ使えます。");
        else if (plain.size() != 3 && why.isEmpty())
            why = QStringLiteral("make には フォルダ/名前 と写真（1 枚か 2 枚）を指定してください。");
        else if (plain.size() == 3 && !onlyForOne)
            why.clear();
        return std::nullopt;
    }
    if (!why.isEmpty())
        return std::nullopt;
    request.question = splitQuestionPath(plain[0]);
    request.photo = plain[1];
    return request;
}

Outcome makeFromOnePhoto(const OnePhotoRequest &request)
{
    Outcome outcome;
    const QuestionPath &question = request.question;
    const auto say = [&](const QString &text) { return messageLine(question.name, text); };
    const QString nothing = QStringLiteral("何も作っていません。");
    if (question.name.isEmpty())
        return outcome.fail(messageLine(question.folder, QStringLiteral("もんだいの名前がありません。フォルダ/名前 の形で指定してください。")));
    if (!Platform::folderExists(question.folder))
        return outcome.fail(say(QStringLiteral("フォルダ %1 がありません。").arg(question.folder)));

    // One photo makes a whole question: any file of that name stops it
    // before the photo is read (the writer would keep an answer file there).
    QStringList there = existingPictures(question);
    if (const QString answers = AnswerFileOf(question.folder, question.name); Platform::fileExists(answers))
        there << Platform::fileNameOf(answers);
    if (!there.isEmpty())
        return outcome.fail(say(QStringLiteral("その名前のファイル（%1）がもうあります。別の名前にしてください。")
                                    .arg(there.join(QStringLiteral("、")))
            + nothing));

    QString why;
    QSize full;
    const std::optional<QImage> photo = readPhoto(request.photo, why, &full);
    if (!photo)
        return outcome.fail(say(why));
    // The square is named in the photo's own pixels; the photo may have been
    // read at a reduced size.
    const QRect named = request.square.value_or(defaultSquare(full));
    if (!QRect(QPoint(0, 0), full).contains(named))
        return outcome.fail(say(QStringLiteral("正方形（左 %1、上 %2、一辺 %3）が写真（%4 x %5）からはみ出しています。")
                                    .arg(named.x())
                                    .arg(named.y())
                                    .arg(named.width())
                                    .arg(full.width())
                                    .arg(full.height())));
    const QImage a = cutSquare(*photo, squareInReadPhoto(named, full, photo->size()));

    const quint64 seed = request.seed.value_or(QRandomGenerator::system()->bounded(SeedsPicked));
    const Planting planting = plantDifferences(a, request.differences, seed);
    if (!planting.problem.isEmpty())
        return outcome.fail(say(planting.problem + nothing));

    std::vector<Circle> circles;
    for (const PlantedChange &change : planting.changes)
        circles.push_back(change.circle);
    const int limit = request.limit.value_or(suggestedLimit(circles));
    // Its reasons already say that nothing was made.
    if (const QString problem = writeQuestion(question, a, planting.b, circles, limit, {request.bitmap, false});
        !problem.isEmpty())
        return outcome.fail(say(problem));

    const QString extension = request.bitmap ? QStringLiteral("bmp") : QStringLiteral("jpg");
    outcome.tell(say(QStringLiteral("%1_A.%2 と %1_B.%2 と %3 を作りました（違い %4 か所、制限時間 %5 秒、シード %6）。")
                         .arg(question.name, extension, Platform::fileNameOf(AnswerFileOf(question.folder, question.name)))
                         .arg(circles.size())
                         .arg(limit)
                         .arg(seed)));
    for (std::size_t i = 0; i < planting.changes.size(); ++i) {
        const PlantedChange &change = planting.changes[i];
        outcome.tell(say(QStringLiteral("違い %1: (%2, %3) 半径 %4、%5。")
                             .arg(i + 1)
                             .arg(change.circle.x)
                             .arg(change.circle.y)
                             .arg(change.circle.r)
                             .arg(kindText(change.kind))));
    }
    outcome.tell(say(QStringLiteral("同じ写真から同じもんだいをもう一度作るには --seed %1 を付けてください。").arg(seed)));
    return outcome;
}

} // namespace Author

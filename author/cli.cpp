// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "author/cli.h"

#include "author/check.h"
#include "author/make.h"
#include "author/makeone.h"
#include "author/propose.h"
#include "author/question.h"
#include "rules/answerlines.h"

#include <QRect>

#include <optional>

namespace Author {

namespace {

Outcome usageError(const QString &why)
{
    Outcome outcome;
    outcome.status = UsageError;
    outcome.warn(QStringLiteral("pimukaro-author: ") + why);
    outcome.err += usageText().toUtf8();
    return outcome;
}

// The command's words after the command name, cut into plain arguments and
// the options it knows; a usage error on anything else.
struct Parsed
{
    QStringList plain;
    bool write = false;
    bool force = false;
    bool bitmap = false;
    int limit = DefaultLimit;
    std::optional<QRect> square;
};

// No photo comes near this many pixels a side; larger numbers could only
// overflow the rectangle's arithmetic.
constexpr int LargestPhotoSide = 1 << 20;

// X,Y,SIDE: three whole numbers, the side above 0.
std::optional<QRect> squareOf(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 3)
        return std::nullopt;
    int numbers[3];
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        numbers[i] = parts[i].trimmed().toInt(&ok);
        if (!ok || numbers[i] < 0 || numbers[i] > LargestPhotoSide)
            return std::nullopt;
    }
    if (numbers[2] <= 0)
        return std::nullopt;
    return QRect(numbers[0], numbers[1], numbers[2], numbers[2]);
}

std::optional<Parsed> parse(const QStringList &words, const QStringList &flags, bool takesLimit, QString &why,
    bool takesSquare = false)
{
    Parsed parsed;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString &word = words[i];
        if (!word.startsWith(QStringLiteral("--"))) {
            parsed.plain << word;
            continue;
        }
        if (word == QStringLiteral("--limit") && takesLimit) {
            const std::optional<int> seconds = i + 1 < words.size() ? timeChoiceSeconds(words[i + 1]) : std::nullopt;
            if (!seconds) {
                why = QStringLiteral("--limit には選べる時間（%1）のどれかを秒で付けてください。")
                          .arg(TimeChoices().join(QStringLiteral(", ")));
                return std::nullopt;
            }
            parsed.limit = *seconds;
            ++i;
        } else if (word == QStringLiteral("--square") && takesSquare) {
            parsed.square = i + 1 < words.size() ? squareOf(words[i + 1]) : std::nullopt;
            if (!parsed.square) {
                why = QStringLiteral("--square には写真 A の四角を X,Y,辺の長さ（ピクセル）で付けてください。例: --square 600,200,1500");
                return std::nullopt;
            }
            ++i;
        } else if (flags.contains(word)) {
            parsed.write = parsed.write || word == QStringLiteral("--write");
            parsed.force = parsed.force || word == QStringLiteral("--force");
            parsed.bitmap = parsed.bitmap || word == QStringLiteral("--bmp");
        } else {
            why = QStringLiteral("%1 というオプションはありません。").arg(word);
            return std::nullopt;
        }
    }
    return parsed;
}

} // namespace

QString usageText()
{
    return QStringLiteral(
        "使い方:\n"
        "  pimukaro-author propose フォルダ/名前 [--write] [--force] [--limit 秒]\n"
        "      絵 A と絵 B の違いを探して答えファイルを表示します（--write で 名前_Ans.txt に書きます）。\n"
        "  pimukaro-author make フォルダ/名前 写真A 写真B [--square X,Y,辺] [--bmp] [--limit 秒]\n"
        "      2 枚の写真から 350 x 350 の絵 A と絵 B と答えファイルを作ります（手持ちで撮った 2 枚も重ね合わせます）。\n"
        "      --square で写真 A のどの四角を使うかをピクセルで選べます（ふつうは真ん中）。\n"
        "  pimukaro-author make フォルダ/名前 写真 [--differences 数] [--seed 数] [--square 左,上,一辺] [--bmp] [--limit 秒]\n"
        "      1 枚の写真から絵 A を作り、違い（3 から 9 か所、ふつうは 5 か所）を入れた絵 B と答えファイルを作ります。\n"
        "  pimukaro-author check フォルダ...\n"
        "      フォルダのもんだいに、遊ぶのに困るところがないか調べます。\n");
}

Outcome runAuthor(const QStringList &arguments)
{
    if (arguments.isEmpty())
        return usageError(QStringLiteral("コマンドを指定してください。"));
    const QString command = arguments.first();
    const QStringList words = arguments.mid(1);
    QString why;
    if (command == QStringLiteral("propose")) {
        const std::optional<Parsed> parsed = parse(words, {QStringLiteral("--write"), QStringLiteral("--force")}, true, why);
        if (!parsed)
            return usageError(why);
        if (parsed->plain.size() != 1 || splitQuestionPath(parsed->plain.first()).name.isEmpty())
            return usageError(QStringLiteral("propose には フォルダ/名前 を 1 つ指定してください。"));
        return propose(splitQuestionPath(parsed->plain.first()), {parsed->write, parsed->force, parsed->limit});
    }
    if (command == QStringLiteral("make")) {
        if (const std::optional<OnePhotoRequest> one = parseOnePhotoMake(words, why))
            return makeFromOnePhoto(*one);
        if (!why.isEmpty())
            return usageError(why);
        const std::optional<Parsed> parsed = parse(words, {QStringLiteral("--bmp")}, true, why, true);
        if (!parsed)
            return usageError(why);
        const qsizetype photos = parsed->plain.size() - 1;
        if (photos == 2)
            return makeQuestion(splitQuestionPath(parsed->plain[0]), parsed->plain[1], parsed->plain[2],
                {parsed->bitmap, parsed->limit, parsed->square});
        // One photo went to its own make above; anything else is a usage error.
        return usageError(QStringLiteral("make には フォルダ/名前 と写真（1 枚か 2 枚）を指定してください。"));
    }
    if (command == QStringLiteral("check")) {
        const std::optional<Parsed> parsed = parse(words, {}, false, why);
        if (!parsed)
            return usageError(why);
        if (parsed->plain.isEmpty())
            return usageError(QStringLiteral("check には調べるフォルダを指定してください。"));
        return checkFolders(parsed->plain);
    }
    if (command == QStringLiteral("--help") || command == QStringLiteral("-h")) {
        Outcome help;
        help.out = usageText().toUtf8();
        return help;
    }
    return usageError(QStringLiteral("%1 というコマンドはありません。").arg(command));
}

} // namespace Author

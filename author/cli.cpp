#include "author/cli.h"

#include "author/check.h"
#include "author/make.h"
#include "author/makeone.h"
#include "author/propose.h"
#include "author/question.h"
#include "rules/answerlines.h"

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
};

std::optional<Parsed> parse(const QStringList &words, const QStringList &flags, bool takesLimit, QString &why)
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
        "  pimukaro-author make フォルダ/名前 写真A 写真B [--bmp] [--limit 秒]\n"
        "      2 枚の写真から 350 x 350 の絵 A と絵 B と答えファイルを作ります。\n"
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
        const std::optional<Parsed> parsed = parse(words, {QStringLiteral("--bmp")}, true, why);
        if (!parsed)
            return usageError(why);
        if (parsed->plain.size() != 3)
            return usageError(QStringLiteral("make には フォルダ/名前 と 2 枚の写真を指定してください。"));
        return makeQuestion(splitQuestionPath(parsed->plain[0]), parsed->plain[1], parsed->plain[2],
            {parsed->bitmap, parsed->limit});
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

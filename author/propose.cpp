// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "author/propose.h"

#include "author/finder.h"
#include "rules/answerlines.h"
#include "rules/questionfiles.h"
#include "rules/errors.h"
#include "rules/files.h"
#include "rules/linefile.h"

namespace Author {

Outcome propose(const QuestionPath &question, const ProposeOptions &options)
{
    Outcome outcome;
    const auto say = [&](const QString &text) { return messageLine(question.name, text); };
    PicturePair pictures;
    try {
        pictures = loadQuestionPictures(question.folder, question.name);
    } catch (const EGameError &error) {
        return outcome.fail(say(QStringLiteral("絵を読み込めません。ゲームでは「%1」と出ます。")
                                    .arg(Errors::boxText(error.message()))));
    }
    if (pictures.a.size() != pictures.b.size())
        return outcome.fail(say(QStringLiteral("絵 A（%1 x %2）と絵 B（%3 x %4）の大きさが違うので、比べられません。")
                                    .arg(pictures.a.width())
                                    .arg(pictures.a.height())
                                    .arg(pictures.b.width())
                                    .arg(pictures.b.height())));
    if (!isQuestionSized(pictures.a.size()))
        return outcome.fail(say(QStringLiteral("絵が %1 x %2 です。ゲームは 350 x 350 の中しか押せないので、350 x 350 の絵にしてください。")
                                    .arg(pictures.a.width())
                                    .arg(pictures.a.height())));
    const FoundDifferences found = findChanges(pictures.a, pictures.b);
    if (!found.problem.isEmpty())
        return outcome.fail(say(found.problem + QStringLiteral("答えファイルは作りません。")));
    const std::vector<Circle> &circles = found.circles;

    const QStringList lines = AnswerFileLines(circles, options.limit);
    if (!options.write) {
        outcome.out = Platform::joinLines(lines);
        outcome.warn(say(QStringLiteral("違いを %1 か所見つけました。").arg(circles.size())));
        return outcome;
    }
    const QString answerFile = AnswerFileOf(question.folder, question.name);
    if (Platform::fileExists(answerFile) && !options.force)
        return outcome.fail(say(QStringLiteral("答えファイル %1 がもうあります。置き換えるときは --force を付けてください。")
                                    .arg(Platform::fileNameOf(answerFile))));
    try {
        Platform::saveLines(lines, answerFile);
    } catch (const EGameError &error) {
        return outcome.fail(say(QStringLiteral("答えファイルを書けませんでした（%1）。")
                                    .arg(Errors::boxText(error.message()))));
    }
    outcome.tell(say(QStringLiteral("違い %1 か所を答えファイル %2 に書きました（制限時間 %3 秒）。")
                         .arg(QString::number(circles.size()), Platform::fileNameOf(answerFile),
                             QString::number(options.limit))));
    return outcome;
}

} // namespace Author

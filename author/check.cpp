// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "author/check.h"

#include "author/circle.h"
#include "author/finder.h"
#include "author/jpegdamage.h"
#include "author/question.h"
#include "rules/answerlines.h"
#include "rules/constants.h"
#include "rules/questionfiles.h"
#include "rules/errors.h"
#include "rules/files.h"
#include "rules/linefile.h"
#include "rules/textconv.h"

#include <QFile>

#include <algorithm>
#include <optional>

namespace Author {

namespace {

QString shownError(const EGameError &error)
{
    return QStringLiteral("ゲームでは「%1」と出て止まります。").arg(Errors::boxText(error.message()));
}

// One answer line as the game reads it, with its place in the file.
struct AnswerLine
{
    int number = 0; // from 1
    Circle circle;
};

class QuestionCheck
{
public:
    QuestionCheck(const QString &folder, const QString &name, std::vector<Finding> &findings)
        : m_folder(folder)
        , m_name(name)
        , m_findings(findings)
    {
    }

    void run()
    {
        const std::optional<PicturePair> pictures = checkPictures();
        const std::optional<std::vector<AnswerLine>> answers = checkAnswerFile();
        if (!pictures || !answers)
            return;
        checkCircles(*pictures, *answers);
    }

private:
    void problem(const QString &text) { m_findings.push_back({m_name, text, true}); }
    QString lineText(int number, const QString &text)
    {
        return QStringLiteral("答えファイルの %1 行目: %2").arg(number).arg(text);
    }

    std::optional<PicturePair> checkPictures()
    {
        PicturePair pictures;
        try {
            pictures = loadQuestionPictures(m_folder, m_name);
        } catch (const EGameError &error) {
            problem(QStringLiteral("絵を読み込めません。") + shownError(error));
            return std::nullopt;
        }
        for (const auto &[label, image] : {std::pair {"A", &pictures.a}, std::pair {"B", &pictures.b}}) {
            if (!isQuestionSized(image->size())) {
                problem(QStringLiteral("絵 %1 の大きさが %2 x %3 です。350 x 350 にしてください。")
                            .arg(QLatin1String(label))
                            .arg(image->width())
                            .arg(image->height()));
            }
        }
        for (const QString &fileName : {pictures.fileA, pictures.fileB})
            if (fileName.endsWith(QStringLiteral(".jpg"), Qt::CaseInsensitive)) {
                QFile file(fileName);
                const QString damage = file.open(QIODevice::ReadOnly) ? jpegDamage(file.readAll()) : QString();
                if (!damage.isEmpty()) {
                    problem(QStringLiteral("絵 %1 のファイルが壊れています（%2）。ゲームでは壊れたところが灰色などで出ます。絵を作り直してください。")
                                .arg(Platform::fileNameOf(fileName), damage));
                    m_damaged = true;
                }
            }
        if (pictures.a.size() != pictures.b.size()) {
            problem(QStringLiteral("絵 A（%1 x %2）と絵 B（%3 x %4）の大きさが違います。")
                        .arg(pictures.a.width())
                        .arg(pictures.a.height())
                        .arg(pictures.b.width())
                        .arg(pictures.b.height()));
            // The circles and the differences are measured on both at once.
            return std::nullopt;
        }
        return pictures;
    }

    // Reads the answer file as the game does, reporting each line the game
    // would stop at; the answers when the limit line could be read.
    std::optional<std::vector<AnswerLine>> checkAnswerFile()
    {
        const QString fileName = AnswerFileOf(m_folder, m_name);
        if (!Platform::fileExists(fileName)) {
            problem(QStringLiteral("答えファイル %1_Ans.txt がありません。隠しモードで答えを付けるか、propose で作ってください。")
                        .arg(m_name));
            return std::nullopt;
        }
        QStringList lines;
        try {
            lines = Platform::loadLines(fileName);
        } catch (const EGameError &error) {
            problem(QStringLiteral("答えファイルを読み込めません。") + shownError(error));
            return std::nullopt;
        }
        if (lines.isEmpty()) {
            problem(QStringLiteral("答えファイルが空です。見つける違いがありません。"));
            return std::nullopt;
        }
        const int total = int(lines.size());
        qint32 limit = 0;
        try {
            limit = Platform::strToInt(lines.last());
        } catch (const EGameError &error) {
            problem(lineText(total, QStringLiteral("最後の行は制限時間（秒）です。") + shownError(error)));
            return std::nullopt;
        }
        checkLimit(limit, total);

        const int answerLines = total - 1;
        if (answerLines == 0)
            problem(QStringLiteral("答えファイルに答えの行がありません。見つける違いがありません。"));
        if (answerLines > MaxAnswers)
            problem(QStringLiteral("答えの行が %1 行あります。ゲームは最初の %2 行しか使いません。")
                        .arg(answerLines)
                        .arg(MaxAnswers));
        std::vector<AnswerLine> answers;
        bool readable = true;
        for (int i = 0; i < qMin(answerLines, MaxAnswers); ++i) {
            AnswerLine answer {i + 1, {}};
            try {
                ParseAnswerLine(lines[i], answer.circle.x, answer.circle.y, answer.circle.r);
                answers.push_back(answer);
            } catch (const EGameError &error) {
                problem(lineText(i + 1, shownError(error)));
                readable = false;
            }
        }
        if (!readable)
            return std::nullopt;
        return answers;
    }

    void checkLimit(qint32 limit, int lineNumber)
    {
        if (limit <= 0) {
            problem(lineText(lineNumber, QStringLiteral("制限時間が %1 秒です。時間切れのないもんだいになります。").arg(limit)));
            return;
        }
        if (!timeChoiceSeconds(Platform::intToStr(limit))) {
            problem(lineText(lineNumber,
                QStringLiteral("制限時間 %1 秒は選べる時間（%2）にありません。隠しモードで保存すると %3 秒になります。")
                    .arg(limit)
                    .arg(TimeChoices().join(QStringLiteral(", ")))
                    .arg(TimeChoices().value(TimeChoiceShown(limit)))));
        }
    }

    void checkCircles(const PicturePair &pictures, const std::vector<AnswerLine> &answers)
    {
        const QRect picture = pictures.b.rect();
        for (const AnswerLine &answer : answers) {
            const Circle &c = answer.circle;
            if (!picture.contains(c.x, c.y))
                problem(lineText(answer.number, QStringLiteral("円の中心 (%1, %2) が絵の外です。").arg(c.x).arg(c.y)));
            if (c.r < SmallestRadius || c.r > LargestRadius)
                problem(lineText(answer.number,
                    QStringLiteral("円の半径 %1 は %2 から %3 の間にしてください。").arg(c.r).arg(SmallestRadius).arg(LargestRadius)));
            if (!differsWithin(pictures, c))
                problem(lineText(answer.number,
                    QStringLiteral("円 (%1, %2) 半径 %3 の中で、絵 A と絵 B はまったく同じです。").arg(c.x).arg(c.y).arg(c.r)));
        }
        for (std::size_t i = 0; i < answers.size(); ++i)
            for (std::size_t j = i + 1; j < answers.size(); ++j)
                if (overlap(answers[i].circle, answers[j].circle))
                    problem(QStringLiteral("答えファイルの %1 行目と %2 行目の円が重なっています。")
                                .arg(answers[i].number)
                                .arg(answers[j].number));
        // A damaged picture differs where it is damaged: nothing to learn there.
        if (m_damaged)
            return;
        for (const Circle &found : findDifferences(pictures.a, pictures.b)) {
            const bool covered = std::any_of(answers.begin(), answers.end(),
                [&](const AnswerLine &answer) { return hits(answer.circle, found.x, found.y); });
            if (!covered)
                problem(QStringLiteral("(%1, %2) のあたりの違いを囲む円がありません。子どもがそこを押すと、はずれになります。")
                            .arg(found.x)
                            .arg(found.y));
        }
    }

    // Whether any pixel the circle holds differs between the pictures.
    static bool differsWithin(const PicturePair &pictures, const Circle &c)
    {
        const QRect box = QRect(c.x - c.r, c.y - c.r, 2 * c.r + 1, 2 * c.r + 1) & pictures.a.rect();
        for (int y = box.top(); y <= box.bottom(); ++y) {
            const auto *a = reinterpret_cast<const quint32 *>(pictures.a.constScanLine(y));
            const auto *b = reinterpret_cast<const quint32 *>(pictures.b.constScanLine(y));
            for (int x = box.left(); x <= box.right(); ++x)
                if (hits(c, x, y) && (a[x] & 0xffffff) != (b[x] & 0xffffff))
                    return true;
        }
        return false;
    }

    QString m_folder;
    QString m_name;
    std::vector<Finding> &m_findings;
    bool m_damaged = false;
};

// The names the catalogue lists, bitmaps first, as the game builds it.
QStringList catalogueNames(const QString &folder)
{
    return QuestionNamesAmong(Platform::listFolder(folder, QStringLiteral("bmp")))
        + QuestionNamesAmong(Platform::listFolder(folder, QStringLiteral("jpg")));
}

// Pictures whose name ends in "_a": the catalogue looks for "_A" only.
void checkLowerCaseNames(const QString &folder, std::vector<Finding> &findings)
{
    for (const QString &extension : {QStringLiteral("bmp"), QStringLiteral("jpg")})
        for (const QString &file : Platform::listFolder(folder, extension)) {
            const QString stem = Platform::removeExtension(file);
            if (stem.endsWith(QStringLiteral("_a"), Qt::CaseSensitive))
                findings.push_back({stem.chopped(2),
                    QStringLiteral("絵 %1 は名前が「_a」で終わるので、ゲームの一覧に出ません。「_A」にしてください。").arg(file),
                    true});
        }
}

void checkTwiceListed(const QStringList &names, std::vector<Finding> &findings)
{
    QStringList reported;
    for (const QString &name : names) {
        const qsizetype times = names.count(name);
        if (times < 2 || reported.contains(name))
            continue;
        reported << name;
        findings.push_back({name,
            QStringLiteral("一覧に %1 回出ます（絵 A が %1 つあります: ビットマップと JPEG、または拡張子の大文字と小文字の違い）。"
                           "ゲームはどれを選んでも同じ絵を出します。1 つにしてください。")
                .arg(times),
            true});
    }
}

} // namespace

std::vector<Finding> checkFolder(const QString &folderArgument)
{
    std::vector<Finding> findings;
    const QString folder = folderArgument.endsWith(QLatin1Char('/')) ? folderArgument : folderArgument + QLatin1Char('/');
    if (!Platform::folderExists(folder)) {
        findings.push_back({folderArgument, QStringLiteral("フォルダがありません。"), true});
        return findings;
    }
    const QStringList names = catalogueNames(folder);
    if (names.isEmpty())
        findings.push_back({folderArgument, QStringLiteral("もんだいがありません（名前が「_A」で終わる .bmp か .jpg の絵がありません）。"), true});
    if (names.size() > MaxQuestions)
        findings.push_back({folderArgument,
            QStringLiteral("もんだいが %1 もんあります。ゲームは最初の %2 もんしか使いません（%3 から後は出ません）。")
                .arg(names.size())
                .arg(MaxQuestions)
                .arg(names[MaxQuestions]),
            true});
    if (Platform::fileExists(Platform::resolvePath(folder + MemoryMarkerFile)))
        findings.push_back({folderArgument,
            QStringLiteral("%1 があるので、おぼえてモードです（絵 A を 30 秒見てから、絵 B で違いを探します）。").arg(MemoryMarkerFile),
            false});
    checkLowerCaseNames(folder, findings);
    const QStringList played = names.mid(0, MaxQuestions);
    checkTwiceListed(played, findings);
    QStringList checked;
    for (const QString &name : played) {
        if (checked.contains(name))
            continue;
        checked << name;
        QuestionCheck(folder, name, findings).run();
    }
    return findings;
}

Outcome checkFolders(const QStringList &folders)
{
    Outcome outcome;
    for (const QString &folder : folders) {
        const std::vector<Finding> findings = checkFolder(folder);
        int problems = 0;
        for (const Finding &finding : findings) {
            outcome.tell(messageLine(finding.subject, finding.text));
            problems += finding.problem ? 1 : 0;
        }
        if (problems == 0)
            outcome.tell(messageLine(folder, QStringLiteral("遊ぶのに困るところはありません。")));
        else
            outcome.status = Problems;
    }
    return outcome;
}

} // namespace Author

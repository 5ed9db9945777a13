// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "author/window/questionfolder.h"

#include "author/question.h"
#include "author/writequestion.h"
#include "rules/constants.h"
#include "rules/answerlines.h"
#include "rules/circles.h"
#include "rules/questionfiles.h"
#include "rules/errors.h"
#include "rules/files.h"
#include "rules/linefile.h"
#include "rules/textconv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace Maker {

namespace {
// The longest name a file may have on the disks the game plays from.
constexpr int LongestFileName = 255;
const QString AnswerSuffix = QStringLiteral("_Ans.txt");

QString withSlash(const QString &folder);

// Asked of the disk itself: the permission bits say nothing to root, nor
// about a disk mounted read-only.
bool canCreateIn(const QString &folder)
{
    QTemporaryFile probe(withSlash(folder) + QStringLiteral(".pimukaro-maker-XXXXXX"));
    return probe.open();
}

QString withSlash(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}
} // namespace

QString playFolder()
{
    return QDir::homePath() + QStringLiteral("/ぴむかろ");
}

QStringList questionFolders()
{
    return QDir(playFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
}

QStringList questionsIn(const QString &folder)
{
    const QString dir = withSlash(folder);
    QStringList names = QuestionNamesAmong(Platform::listFolder(dir, QStringLiteral("bmp")))
        + QuestionNamesAmong(Platform::listFolder(dir, QStringLiteral("jpg")));
    names.removeDuplicates();
    return names;
}

QString nameProblem(const QString &name)
{
    if (name.isEmpty())
        return QStringLiteral("名前を入れてください。");
    if (name.trimmed() != name)
        return QStringLiteral("名前の前後に空白があります。空白を取ってください。");
    for (const QChar c : name) {
        if (c == QLatin1Char('/'))
            return QStringLiteral("名前に「/」は使えません。");
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            return QStringLiteral("名前に見えない文字（改行やタブなど）が入っています。");
    }
    if ((name + AnswerSuffix).toUtf8().size() > LongestFileName)
        return QStringLiteral("名前が長すぎます。もっと短くしてください。");
    return QString();
}

QString folderProblem(const QString &folder, bool newQuestion)
{
    const QFileInfo info(folder);
    if (!info.isDir())
        return QStringLiteral("フォルダ %1 がありません。").arg(folder);
    if (!info.isWritable() || !canCreateIn(folder))
        return QStringLiteral("フォルダ %1 には書き込めません（書き込みの許可がありません）。別のフォルダを選んでください。")
            .arg(QDir(folder).dirName());
    if (newQuestion && questionsIn(folder).size() >= MaxQuestions)
        return QStringLiteral("このフォルダにはもう %1 もんあります。ゲームは %1 もんまでしか出しません。別のフォルダにしてください。")
            .arg(MaxQuestions);
    return QString();
}

QStringList existingFiles(const QString &folder, const QString &name)
{
    QStringList found;
    const QString dir = withSlash(folder);
    const QStringList entries = QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const char *ending : {"_A.bmp", "_B.bmp", "_A.jpg", "_B.jpg", "_Ans.txt"}) {
        const QString wanted = name + QLatin1String(ending);
        for (const QString &entry : entries)
            if (entry.compare(wanted, Qt::CaseInsensitive) == 0)
                found << entry;
    }
    return found;
}

OpenedQuestion openQuestion(const QString &folder, const QString &name)
{
    OpenedQuestion opened;
    const QString dir = withSlash(folder);
    try {
        const Author::PicturePair pictures = Author::loadQuestionPictures(dir, name);
        opened.a = pictures.a.convertToFormat(QImage::Format_RGB32);
        opened.b = pictures.b.convertToFormat(QImage::Format_RGB32);
    } catch (const EGameError &error) {
        opened.problem = QStringLiteral("もんだい %1 の絵を読めません（%2）。").arg(name, Errors::boxText(error.message()));
        return opened;
    }
    if (opened.a.size() != QSize(PictureSide, PictureSide) || opened.b.size() != opened.a.size()) {
        opened.problem = QStringLiteral("もんだい %1 の絵は %2 x %3 と %4 x %5 です。350 x 350 の絵しか直せません。")
                             .arg(name)
                             .arg(opened.a.width())
                             .arg(opened.a.height())
                             .arg(opened.b.width())
                             .arg(opened.b.height());
        return opened;
    }
    const QString answerFile = AnswerFileOf(dir, name);
    if (!Platform::fileExists(answerFile)) {
        opened.note = QStringLiteral("答えファイルがないので、円は見つけた違いから付けました。");
        return opened;
    }
    try {
        QStringList lines = Platform::loadFirstAndLastLines(answerFile, MaxAnswers);
        if (lines.isEmpty())
            throw EReadError(QStringLiteral("空のファイルです"));
        const qint32 limit = Platform::strToInt(lines.takeLast());
        // As the game's list shows it, and as its save writes it.
        opened.limit = TimeChoices().at(TimeChoiceShown(limit)).toInt();
        if (opened.limit != limit)
            opened.note = QStringLiteral("制限時間 %1 秒は選べないので、%2 秒にしました。").arg(limit).arg(opened.limit);
        for (const QString &line : lines) {
            Author::Circle c;
            ParseAnswerLine(line, c.x, c.y, c.r);
            opened.circles.push_back(c);
        }
    } catch (const EGameError &error) {
        opened.problem = QStringLiteral("もんだい %1 の答えファイルを読めません（%2）。").arg(name, Errors::boxText(error.message()));
    }
    return opened;
}

QString writeQuestion(const QString &folder, const QString &name, const QImage &a, const QImage &b,
    const std::vector<Author::Circle> &circles, int limit)
{
    const QString dir = withSlash(folder);
    // The game lists bitmap questions before JPEG ones: new JPEGs beside old
    // bitmaps would never be played.
    const bool bitmap = Platform::fileExists(Platform::resolvePath(dir + name + QStringLiteral("_A.bmp")));
    return Author::writeQuestion({dir, name}, a, b, circles, limit, {bitmap, true});
}

} // namespace Maker

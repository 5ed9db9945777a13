// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The maker's rules that need no window: the warnings about circles, a
// question tried out as the game plays it, the names the game can use, the
// suggested limit, and questions written and read back as the game does.

#include "author/window/draft.h"
#include "author/window/jobs.h"
#include "author/window/playround.h"
#include "author/window/questionfolder.h"
#include "author/window/undocommands.h"
#include "author/window/warnings.h"
#include "authorpairs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

using Author::Circle;
using Maker::PlayRound;
using Maker::Warning;

Q_DECLARE_METATYPE(std::vector<Circle>)

namespace {
QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QList<int> kindsOf(const std::vector<Warning> &warnings)
{
    QList<int> kinds;
    for (const Warning &w : warnings)
        kinds << int(w.kind);
    return kinds;
}
} // namespace

class TestMakerRules : public QObject
{
    Q_OBJECT

private slots:
    void warnings_data()
    {
        QTest::addColumn<std::vector<Circle>>("circles");
        QTest::addColumn<std::vector<Circle>>("changes");
        QTest::addColumn<QList<int>>("kinds");
        QTest::addColumn<QList<int>>("about");
        const std::vector<Circle> oneChange {{100, 100, 15}};
        QTest::newRow("a circle over the change") << std::vector<Circle> {{102, 98, 20}} << oneChange << QList<int>() << QList<int>();
        QTest::newRow("a circle over nothing, the change bare")
            << std::vector<Circle> {{250, 250, 20}} << oneChange
            << QList<int> {Warning::OverNoChange, Warning::ChangeUncovered} << QList<int> {0, -1};
        QTest::newRow("two circles sharing area")
            << std::vector<Circle> {{100, 100, 20}, {120, 100, 20}} << oneChange
            << QList<int> {Warning::SharesArea, Warning::SharesArea} << QList<int> {0, 1};
        // Where the rims meet on a whole pixel, one click finds both.
        QTest::newRow("circles that touch")
            << std::vector<Circle> {{100, 100, 20}, {140, 100, 20}} << std::vector<Circle> {{100, 100, 5}, {140, 100, 5}}
            << QList<int> {Warning::SharesArea, Warning::SharesArea} << QList<int> {0, 1};
        QTest::newRow("circles a pixel apart")
            << std::vector<Circle> {{100, 100, 20}, {141, 100, 20}} << std::vector<Circle> {{100, 100, 5}, {141, 100, 5}}
            << QList<int>() << QList<int>();
        QTest::newRow("radius too small") << std::vector<Circle> {{100, 100, 9}} << oneChange
                                          << QList<int> {Warning::OutOfRange} << QList<int> {0};
        QTest::newRow("radius too large") << std::vector<Circle> {{100, 100, 100}} << oneChange
                                          << QList<int> {Warning::OutOfRange} << QList<int> {0};
        QTest::newRow("centre off the picture")
            << std::vector<Circle> {{350, 100, 20}} << std::vector<Circle> {{345, 100, 10}}
            << QList<int> {Warning::OutOfRange} << QList<int> {0};
    }

    void warnings()
    {
        QFETCH(std::vector<Circle>, circles);
        QFETCH(std::vector<Circle>, changes);
        QFETCH(QList<int>, kinds);
        QFETCH(QList<int>, about);
        const std::vector<Warning> found = Maker::warningsFor(circles, changes);
        QCOMPARE(kindsOf(found), kinds);
        QList<int> circlesOf;
        for (const Warning &w : found)
            circlesOf << w.circle;
        QCOMPARE(circlesOf, about);
    }

    void warningTextsNameTheCircleAsNumbered()
    {
        const std::vector<Warning> found = Maker::warningsFor({{100, 100, 20}, {110, 100, 20}}, {{105, 100, 5}});
        const QStringList perCircle = Maker::warningsPerCircle(found, 2);
        QCOMPARE(perCircle.at(0), QStringLiteral("円 1 と 円 2 が重なっています。重なったところを押すと、どちらが当たったかがずれます。"));
        QCOMPARE(perCircle.at(1), QStringLiteral("円 2 と 円 1 が重なっています。重なったところを押すと、どちらが当たったかがずれます。"));
    }

    // A click finds every circle not yet found that it hits; the rim counts.
    void playHitsAndMisses()
    {
        PlayRound round({{100, 100, 20}, {200, 200, 10}}, 60);
        QCOMPARE(round.click(120, 100), PlayRound::Click::Hit); // on the rim
        QCOMPARE(round.remaining(), 1);
        // A found circle clicked again is a miss, as in the game.
        QCOMPARE(round.click(100, 100), PlayRound::Click::Miss);
        QCOMPARE(round.click(121, 100), PlayRound::Click::Miss);
        QCOMPARE(round.misses(), 2);
        QCOMPARE(round.click(205, 205), PlayRound::Click::Cleared);
        QVERIFY(round.isOver());
        QCOMPARE(round.click(1, 1), PlayRound::Click::Ignored);
        QCOMPARE(round.misses(), 2);
    }

    void threeMissesEndTheRound()
    {
        PlayRound round({{100, 100, 20}}, 60);
        QCOMPARE(round.click(0, 0), PlayRound::Click::Miss);
        QCOMPARE(round.click(0, 0), PlayRound::Click::Miss);
        QCOMPARE(round.click(0, 0), PlayRound::Click::Lost);
        QVERIFY(round.isOver());
        QCOMPARE(round.click(100, 100), PlayRound::Click::Ignored);
    }

    void overlappingCirclesAreFoundByOneClick()
    {
        PlayRound round({{100, 100, 20}, {110, 100, 20}, {300, 300, 10}}, 60);
        QCOMPARE(round.click(105, 100), PlayRound::Click::Hit);
        QCOMPARE(round.remaining(), 1);
    }

    void theTimeRunsOut()
    {
        PlayRound round({{100, 100, 20}}, 30);
        for (int second = 1; second < 30; ++second)
            QVERIFY(!round.tick());
        QVERIFY(round.tick());
        QCOMPARE(round.secondsLeft(), 0);
        QVERIFY(round.isOver());
    }

    void names_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("problem");
        QTest::newRow("plain") << QStringLiteral("こっぷ") << QString();
        QTest::newRow("with a dot") << QStringLiteral("v1.2") << QString();
        QTest::newRow("empty") << QString() << QStringLiteral("名前を入れてください。");
        QTest::newRow("slash") << QStringLiteral("a/b") << QStringLiteral("名前に「/」は使えません。");
        QTest::newRow("tab") << QStringLiteral("a\tb") << QStringLiteral("名前に見えない文字（改行やタブなど）が入っています。");
        QTest::newRow("space at the end") << QStringLiteral("cup ") << QStringLiteral("名前の前後に空白があります。空白を取ってください。");
        // 82 characters of three bytes each make 246 bytes, with _Ans.txt 254.
        QTest::newRow("longest") << QStringLiteral("あ").repeated(82) << QString();
        QTest::newRow("too long") << QStringLiteral("あ").repeated(83) << QStringLiteral("名前が長すぎます。もっと短くしてください。");
    }

    void names()
    {
        QFETCH(QString, name);
        QFETCH(QString, problem);
        QCOMPARE(Maker::nameProblem(name), problem);
    }

    void suggestedLimit_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("limit");
        QTest::newRow("none") << 0 << 30;
        QTest::newRow("three") << 3 << 60;
        QTest::newRow("nine") << 9 << 180;
        QTest::newRow("ten") << 10 << 180;
        QTest::newRow("many") << 40 << 300;
    }

    void suggestedLimit()
    {
        QFETCH(int, count);
        QFETCH(int, limit);
        QCOMPARE(Maker::Jobs::suggestedLimit(std::vector<Circle>(std::size_t(count), Circle {50, 50, 20})), limit);
    }

    // The answer file as the command line writes it: five-column fields, CR LF.
    void writtenAnswerFileBytes()
    {
        QTemporaryDir dir;
        const QImage a = AuthorPairs::scene();
        const QImage b = AuthorPairs::withDisc(a, {120, 85}, 15, Qt::red);
        QCOMPARE(Maker::writeQuestion(dir.path(), QStringLiteral("こっぷ"), a, b, {{120, 85, 20}, {301, 240, 14}}, 60), QString());
        QCOMPARE(readAll(dir.filePath(QStringLiteral("こっぷ_Ans.txt"))), QByteArray("120  85   20   \r\n301  240  14   \r\n60\r\n"));
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("こっぷ_A.jpg"))));
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("こっぷ_B.jpg"))));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);

        const Maker::OpenedQuestion opened = Maker::openQuestion(dir.path(), QStringLiteral("こっぷ"));
        QCOMPARE(opened.problem, QString());
        QCOMPARE(opened.circles, (std::vector<Circle> {{120, 85, 20}, {301, 240, 14}}));
        QCOMPARE(opened.limit, 60);
        QCOMPARE(opened.a.size(), QSize(350, 350));
    }

    // A bitmap question replaced stays bitmaps: the game prefers them, so new
    // JPEGs beside old bitmaps would never be played.
    void replacingABitmapQuestionWritesBitmaps()
    {
        QTemporaryDir dir;
        const QImage a = AuthorPairs::scene();
        const QImage b = AuthorPairs::withDisc(a, {120, 85}, 15, Qt::red);
        AuthorPairs::writePair(dir.path() + QLatin1Char('/'), QStringLiteral("q"), a, a, AuthorPairs::Kind::Bitmap);
        QCOMPARE(Maker::writeQuestion(dir.path(), QStringLiteral("q"), a, b, {{120, 85, 20}}, 90), QString());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList {QStringLiteral("q_A.bmp"), QStringLiteral("q_Ans.txt"), QStringLiteral("q_B.bmp")}));
        const Maker::OpenedQuestion opened = Maker::openQuestion(dir.path(), QStringLiteral("q"));
        QCOMPARE(opened.b.pixel(120, 85), b.pixel(120, 85));
    }

    void aLimitWithNoChoiceOpensAsTheNearestChoice()
    {
        QTemporaryDir dir;
        const QImage a = AuthorPairs::scene();
        AuthorPairs::writePair(dir.path() + QLatin1Char('/'), QStringLiteral("q"), a, a, AuthorPairs::Kind::Bitmap);
        AuthorPairs::writeFile(dir.filePath(QStringLiteral("q_Ans.txt")), "100  100  20\r\n15\r\n");
        const Maker::OpenedQuestion opened = Maker::openQuestion(dir.path(), QStringLiteral("q"));
        QCOMPARE(opened.limit, 30);
        QCOMPARE(opened.note, QStringLiteral("制限時間 15 秒は選べないので、30 秒にしました。"));
    }

    void aBrokenAnswerFileIsSaidAndNothingOpens()
    {
        QTemporaryDir dir;
        const QImage a = AuthorPairs::scene();
        AuthorPairs::writePair(dir.path() + QLatin1Char('/'), QStringLiteral("q"), a, a, AuthorPairs::Kind::Bitmap);
        AuthorPairs::writeFile(dir.filePath(QStringLiteral("q_Ans.txt")), "100  1x0  20\r\n60\r\n");
        const Maker::OpenedQuestion opened = Maker::openQuestion(dir.path(), QStringLiteral("q"));
        QVERIFY(opened.problem.startsWith(QStringLiteral("もんだい q の答えファイルを読めません（")));
        QVERIFY(opened.circles.empty());
    }

    void existingFilesIgnoreLetterCase()
    {
        QTemporaryDir dir;
        AuthorPairs::writeFile(dir.filePath(QStringLiteral("Cup_A.JPG")), "x");
        AuthorPairs::writeFile(dir.filePath(QStringLiteral("other_A.jpg")), "x");
        QCOMPARE(Maker::existingFiles(dir.path(), QStringLiteral("cup")), QStringList {QStringLiteral("Cup_A.JPG")});
        QVERIFY(Maker::existingFiles(dir.path(), QStringLiteral("cu")).isEmpty());
    }

    void aFullFolderTakesNoNewQuestion()
    {
        QTemporaryDir dir;
        for (int i = 1; i <= 99; ++i)
            AuthorPairs::writeFile(dir.filePath(QStringLiteral("q%1_A.jpg").arg(i)), "x");
        QVERIFY(Maker::folderProblem(dir.path(), true).startsWith(QStringLiteral("このフォルダにはもう 99 もんあります。")));
        QCOMPARE(Maker::folderProblem(dir.path(), false), QString());
    }

    // Nudges of one circle in a row are one step to undo; a drag is another.
    void nudgesMergeIntoOneStep()
    {
        Maker::Draft draft;
        draft.setQuestion(AuthorPairs::scene(), AuthorPairs::scene(), {{100, 100, 20}, {200, 200, 20}}, 60);
        QUndoStack stack;
        stack.push(new Maker::ChangeCircleCommand(&draft, 0, {101, 100, 20}, true));
        stack.push(new Maker::ChangeCircleCommand(&draft, 0, {102, 100, 20}, true));
        stack.push(new Maker::ChangeCircleCommand(&draft, 1, {200, 201, 20}, true));
        stack.push(new Maker::ChangeCircleCommand(&draft, 1, {200, 250, 20}, false));
        QCOMPARE(stack.count(), 3);
        stack.undo();
        stack.undo();
        QCOMPARE(draft.circles(), (std::vector<Circle> {{102, 100, 20}, {200, 200, 20}}));
        stack.undo();
        QCOMPARE(draft.circles(), (std::vector<Circle> {{100, 100, 20}, {200, 200, 20}}));
    }

    void removingAndAddingUndoExactly()
    {
        Maker::Draft draft;
        draft.setQuestion(AuthorPairs::scene(), AuthorPairs::scene(), {{10, 10, 10}, {50, 50, 10}, {90, 90, 10}}, 60);
        QUndoStack stack;
        stack.push(new Maker::RemoveCircleCommand(&draft, 1));
        stack.push(new Maker::AddCircleCommand(&draft, {200, 200, 30}));
        stack.push(new Maker::SetLimitCommand(&draft, 120));
        QCOMPARE(draft.circles(), (std::vector<Circle> {{10, 10, 10}, {90, 90, 10}, {200, 200, 30}}));
        QCOMPARE(draft.limit(), 120);
        while (stack.canUndo())
            stack.undo();
        QCOMPARE(draft.circles(), (std::vector<Circle> {{10, 10, 10}, {50, 50, 10}, {90, 90, 10}}));
        QCOMPARE(draft.limit(), 60);
    }
};

QTEST_MAIN(TestMakerRules)
#include "tst_maker_rules.moc"

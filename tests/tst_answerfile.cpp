// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Answer files: what a load puts into the answer list and the game record,
// what a save writes, byte for byte, and what is left after each failure.

#include "support/gamefixture.h"
#include "support/questionfolder.h"
#include "support/fillingdisk.h"
#include "support/installed.h"

#include "platform/controls/listbox.h"
#include "platform/controls/mouseupbutton.h"
#include "platform/controls/pickcombobox.h"
#include "rules/linefile.h"

#include <QTest>

using namespace QuestionFolder;

namespace {
const QByteArray WorkedExample = "120  85   20   \r\n301  240  14   \r\n60\r\n";
}

class TestAnswerFile : public QObject
{
    Q_OBJECT

    std::unique_ptr<GameFixture> game;
    QString dir;

    TForm1 &startWith(const QByteArray *answers)
    {
        addPictures(dir, QStringLiteral("neko"));
        if (answers)
            writeFile(dir + QStringLiteral("neko_Ans.txt"), *answers);
        return game->start();
    }
    void enterAnswerSetting(TForm1 &form)
    {
        game->click(form.B_GameStart, {5, 5}, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier);
        QCOMPARE(form.GameState, qint32(gsAnswerSetting));
    }
    QString answerFile() const { return dir + QStringLiteral("neko_Ans.txt"); }

private slots:
    void init()
    {
        game = std::make_unique<GameFixture>();
        dir = game->folder(QStringLiteral("サンプルもんだい"));
    }
    void cleanup()
    {
        game.reset();
    }

    void workedExampleLoadsAndSavesTheSameBytes()
    {
        QCOMPARE(WorkedExample.size(), 38);
        TForm1 &form = startWith(&WorkedExample);
        QCOMPARE(form.LB_Ans->items(), (QStringList{"120  85   20   ", "301  240  14   "}));
        QCOMPARE(form.AnswerCount, 2);
        QCOMPARE(form.Answers[1].X, 120);
        QCOMPARE(form.Answers[1].Y, 85);
        QCOMPARE(form.Answers[1].R, 20);
        QCOMPARE(form.Answers[2].X, 301);
        QCOMPARE(form.Answers[2].Y, 240);
        QCOMPARE(form.Answers[2].R, 14);
        QCOMPARE(form.Answers[2].Found, 0);
        QCOMPARE(form.TimeLimit, 60);
        QCOMPARE(form.CB_Time->itemIndex(), 3);

        form.B_SaveClick();
        QCOMPARE(readFile(answerFile()), WorkedExample);
        QCOMPARE(form.LB_Ans->count(), 2); // the limit line went back to the time choice
        QVERIFY(!form.AnswersDirty);
    }

    void bareLineFeedsLoadAndSaveWithCrLf()
    {
        const QByteArray handMade = "120  85   20\n301  240  14   \n60";
        TForm1 &form = startWith(&handMade);
        QCOMPARE(form.AnswerCount, 2);
        QCOMPARE(form.Answers[1].R, 20);
        form.B_SaveClick();
        QCOMPARE(readFile(answerFile()), QByteArray("120  85   20\r\n301  240  14   \r\n60\r\n"));
    }

    void eachLimitSelectsItsChoice_data()
    {
        QTest::addColumn<QByteArray>("limit");
        QTest::addColumn<int>("choice");
        QTest::addColumn<int>("seconds");
        const int choices[] = {30, 40, 50, 60, 70, 80, 90, 100, 110, 120, 180, 240, 300};
        for (int i = 0; i < 13; ++i)
            QTest::addRow("%d", choices[i]) << QByteArray::number(choices[i]) << i << choices[i];
        QTest::newRow("65 plays 65, shows 60") << QByteArray("65") << 3 << 65;
        QTest::newRow("leading blanks") << QByteArray("   90") << 6 << 90;
        QTest::newRow("hex") << QByteArray("$3C") << 3 << 60;
        QTest::newRow("below the list") << QByteArray("10") << 0 << 10;
        QTest::newRow("above the list") << QByteArray("600") << 12 << 600;
    }
    void eachLimitSelectsItsChoice()
    {
        QFETCH(QByteArray, limit);
        const QByteArray file = "10   10   10   \r\n" + limit + "\r\n";
        TForm1 &form = startWith(&file);
        QTEST(form.CB_Time->itemIndex(), "choice");
        QTEST(form.TimeLimit, "seconds");
        QCOMPARE(form.AnswerCount, 1);
    }

    void limitOutsideTheListSavesTheChoiceShown()
    {
        const QByteArray file = "10   10   10   \r\n65\r\n";
        TForm1 &form = startWith(&file);
        form.B_SaveClick();
        QCOMPARE(readFile(answerFile()), QByteArray("10   10   10   \r\n60\r\n"));
    }

    void noAnswers_data()
    {
        QTest::addColumn<bool>("hasFile");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("limit");
        QTest::newRow("no file") << false << QByteArray() << 0;
        QTest::newRow("empty file") << true << QByteArray() << 0;
        QTest::newRow("only a limit") << true << QByteArray("120\r\n") << 120;
    }
    void noAnswers()
    {
        QFETCH(bool, hasFile);
        QFETCH(QByteArray, bytes);
        TForm1 &form = startWith(hasFile ? &bytes : nullptr);
        QCOMPARE(form.AnswerCount, 0);
        QCOMPARE(form.LB_Ans->count(), 0);
        QTEST(form.TimeLimit, "limit");
        QVERIFY(game->user->errors().isEmpty());
    }

    void badLimitLine_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        QTest::newRow("blank line after the limit") << QByteArray("1    2    3    \r\n60\r\n\r\n")
                                                    << "'' is not a valid integer value.";
        QTest::newRow("trailing blank") << QByteArray("1    2    3    \r\n60 \r\n") << "'60 ' is not a valid integer value.";
    }
    void badLimitLine()
    {
        QFETCH(QByteArray, bytes);
        TForm1 &form = startWith(&bytes);
        QFETCH(QString, error);
        QCOMPARE(game->user->errors().value(0), error);
        QCOMPARE(form.LB_Ans->items(), Platform::splitLines(bytes)); // the limit line still among them
        QCOMPARE(form.AnswerCount, form.LB_Ans->count());
        QCOMPARE(form.TimeLimit, 0);
        QCOMPARE(form.CB_Time->itemIndex(), 3);
    }

    void badAnswerLineKeepsTheLinesBefore()
    {
        const QByteArray bytes = "1    2    3    \r\n4    x    6    \r\n7    8    9    \r\n90\r\n";
        TForm1 &form = startWith(&bytes);
        QCOMPARE(game->user->errors(), QStringList{QStringLiteral("'x' is not a valid integer value.")});
        QCOMPARE(form.LB_Ans->count(), 3);
        QCOMPARE(form.AnswerCount, 3);
        QCOMPARE(form.TimeLimit, 90);
        QCOMPARE(form.CB_Time->itemIndex(), 6);
        QCOMPARE(form.Answers[1].R, 3);
        QCOMPARE(form.Answers[2].X, 4);
        QCOMPARE(form.Answers[2].Found, 0);
    }

    void moreThan99AnswersLoadsTheFirst99()
    {
        QByteArray bytes;
        for (int i = 1; i <= 120; ++i)
            bytes += QByteArray::number(i).leftJustified(5) + "10   5    \r\n";
        bytes += "30\r\n";
        TForm1 &form = startWith(&bytes);
        QVERIFY(game->user->errors().isEmpty());
        QCOMPARE(form.AnswerCount, 99);
        QCOMPARE(form.Answers[99].X, 99);
        QCOMPARE(form.TimeLimit, 30);
    }

    void badLimitLineAfterMoreThan99LinesCountsAtMost99()
    {
        // The record holds 99 answers, however many lines a broken file has.
        QByteArray bytes;
        for (int i = 1; i <= 120; ++i)
            bytes += QByteArray::number(i).leftJustified(5) + "10   5    \r\n";
        bytes += "soon\r\n";
        TForm1 &form = startWith(&bytes);
        QCOMPARE(game->user->errors(), QStringList{QStringLiteral("'soon' is not a valid integer value.")});
        QCOMPARE(form.LB_Ans->count(), 100); // the first 99 and the last line
        QCOMPARE(form.AnswerCount, 99);
        QCOMPARE(form.TimeLimit, 0);
        QCOMPARE(form.CB_Time->itemIndex(), 3);
    }

    void emptyListWritesNothing()
    {
        TForm1 &form = startWith(&WorkedExample);
        form.LB_Ans->clearItems();
        form.AnswersDirty = true;
        form.B_SaveClick();
        QCOMPARE(readFile(answerFile()), WorkedExample);
        QCOMPARE(form.LB_Ans->count(), 2); // the file's lines are back
        QVERIFY(!form.AnswersDirty);
    }

    void failedSaveKeepsTheOldFileAndTheList()
    {
        TForm1 &form = startWith(&WorkedExample);
        enterAnswerSetting(form);
        form.LB_Ans->addItem(QStringLiteral("5    5    5    "));
        form.AnswersDirty = true;
        const Installed<FillingDisk> fullDisk(10);
        game->click(form.B_Save);
        QCOMPARE(game->user->errors(), QStringList{QStringLiteral("ストリームへの書き込みエラー.")});
        QCOMPARE(readFile(answerFile()), WorkedExample);
        QCOMPARE(form.LB_Ans->count(), 3); // without the limit line
        QVERIFY(form.AnswersDirty);
    }

    void saveIntoAVanishedFolder()
    {
        TForm1 &form = startWith(&WorkedExample);
        enterAnswerSetting(form);
        form.QuestionDir = game->playFolder() + QStringLiteral("gone/");
        game->click(form.B_Save);
        QCOMPARE(game->user->errors(),
                 QStringList{QStringLiteral("ファイル %1gone/neko_Ans.txt を作成できません.").arg(game->playFolder())});
        QCOMPARE(form.LB_Ans->count(), 2);
    }
};

QTEST_MAIN(TestAnswerFile)
#include "tst_answerfile.moc"

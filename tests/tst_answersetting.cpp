// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The answer-setting mode, driven through its buttons: the candidate, the
// selected row and the unsaved-changes flag after each step.

#include "support/gamefixture.h"
#include "support/questionfolder.h"

#include "platform/controls/bevelpanel.h"
#include "platform/controls/imageview.h"
#include "platform/gametimer.h"
#include "platform/controls/listbox.h"
#include "platform/controls/mouseupbutton.h"
#include "platform/controls/pickcombobox.h"
#include "platform/controls/questioncombobox.h"

#include <QFile>
#include <QPushButton>
#include <QTest>

using namespace QuestionFolder;

class TestAnswerSetting : public QObject
{
    Q_OBJECT

    std::unique_ptr<GameFixture> game;
    QString dir;

    TForm1 &enter(const QByteArray &answers = QByteArray())
    {
        addPictures(dir, QStringLiteral("neko"));
        if (!answers.isEmpty())
            writeFile(dir + QStringLiteral("neko_Ans.txt"), answers);
        TForm1 &form = game->start();
        game->click(form.B_GameStart, {5, 5}, Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier);
        return form;
    }
    void press(QPushButton *button) { game->click(button); }
    void selectRow(TForm1 &form, int row)
    {
        const QRect line = form.LB_Ans->visualItemRect(form.LB_Ans->QListWidget::item(row));
        game->click(form.LB_Ans->viewport(), line.center());
    }
    bool ringAt(TForm1 &form, int x, int y)
    {
        return form.Img_Ans->grab().toImage().pixelColor(x, y) == QColor(0xFF, 0, 0);
    }
    QByteArray answerFile() { return readFile(dir + QStringLiteral("neko_Ans.txt")); }

private slots:
    void init()
    {
        game = std::make_unique<GameFixture>();
        dir = game->folder(QStringLiteral("サンプルもんだい"));
    }
    void cleanup() { game.reset(); }

    void entryShowsTheEditor()
    {
        writeFile(dir + QStringLiteral("Kioku.txt"), "");
        TForm1 &form = enter("10   10   10   \r\n90\r\n");
        QCOMPARE(form.GameState, qint32(gsAnswerSetting));
        QVERIFY(form.P_Ans->isVisible());
        QVERIFY(!form.P_Miss->isVisible());
        QVERIFY(!form.P_Title->isVisible());
        QVERIFY(form.CB_Q->isVisible());
        QVERIFY(form.Img_B->hasPicture()); // also in a memory-mode folder
        QCOMPARE(form.LB_Ans->items(), QStringList{"10   10   10   "});
        QCOMPARE(form.CB_Time->itemIndex(), 6);
        QVERIFY(!form.Timer1->isEnabled());
        QVERIFY(!ringAt(form, 20, 10)); // a blank overlay
    }

    void placeAddNudgeReplace()
    {
        TForm1 &form = enter();
        game->clickPicture(100, 150);
        QCOMPARE(form.MarkR, 20);
        QVERIFY(ringAt(form, 120, 150));
        press(form.B_Add);
        QCOMPARE(form.LB_Ans->items(), QStringList{"100  150  20   "});
        QCOMPARE(form.LB_Ans->itemIndex(), 0);
        QVERIFY(form.AnswersDirty);
        press(form.B_D2);
        press(form.B_D2);
        QVERIFY(ringAt(form, 124, 150));
        QCOMPARE(form.LB_Ans->items(), QStringList{"100  150  20   "}); // only "追加/修正" changes the list
        press(form.B_Add);
        QCOMPARE(form.LB_Ans->items(), QStringList{"104  150  20   "});
        QCOMPARE(form.LB_Ans->itemIndex(), 0);
        game->clickPicture(200, 60);
        QCOMPARE(form.LB_Ans->itemIndex(), -1);
        press(form.B_Add);
        QCOMPARE(form.LB_Ans->count(), 2);
        QCOMPARE(form.LB_Ans->itemIndex(), 1);
    }

    void nudgeBounds_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QPoint>("start");
        QTest::addColumn<int>("radius");
        QTest::addColumn<QPoint>("after");
        QTest::addColumn<int>("radiusAfter");
        QTest::newRow("up to 0") << "B_D1" << QPoint(50, 1) << 20 << QPoint(50, 0) << 20;
        QTest::newRow("down to 349") << "B_D3" << QPoint(50, 348) << 20 << QPoint(50, 349) << 20;
        QTest::newRow("right to 349") << "B_D2" << QPoint(348, 50) << 20 << QPoint(349, 50) << 20;
        QTest::newRow("right beyond stays") << "B_D2" << QPoint(400, 50) << 20 << QPoint(349, 50) << 20;
        QTest::newRow("left from beyond 349") << "B_D4" << QPoint(400, 50) << 20 << QPoint(398, 50) << 20;
        QTest::newRow("larger to 99") << "B_D5" << QPoint(50, 50) << 98 << QPoint(50, 50) << 99;
        QTest::newRow("larger at 99") << "B_D5" << QPoint(50, 50) << 99 << QPoint(50, 50) << 99;
        QTest::newRow("smaller to 10") << "B_D6" << QPoint(50, 50) << 11 << QPoint(50, 50) << 10;
        QTest::newRow("smaller below 10 stays") << "B_D6" << QPoint(50, 50) << 4 << QPoint(50, 50) << 10;
    }
    void nudgeBounds()
    {
        QFETCH(QString, button);
        QFETCH(QPoint, start);
        QFETCH(int, radius);
        TForm1 &form = enter();
        form.MarkX = start.x();
        form.MarkY = start.y();
        form.MarkR = radius;
        press(form.findChild<QPushButton *>(button));
        QFETCH(QPoint, after);
        QCOMPARE(QPoint(form.MarkX, form.MarkY), after);
        QTEST(form.MarkR, "radiusAfter");
        QVERIFY(!form.AnswersDirty);
    }

    void leftEdgeMeansNoCandidate()
    {
        TForm1 &form = enter();
        game->clickPicture(2, 100);
        press(form.B_D4);
        QCOMPARE(form.MarkX, 0);
        QVERIFY(ringAt(form, 0, 80)); // the ring is there all the same
        press(form.B_Add);
        QCOMPARE(form.LB_Ans->count(), 0);
        QVERIFY(!form.AnswersDirty);
        press(form.B_D3);
        QCOMPARE(form.MarkY, 100);
    }

    void selectingDeletingChecking()
    {
        TForm1 &form = enter("50   60   20   \r\n200  210  30   \r\n60\r\n");
        selectRow(form, 0);
        QCOMPARE(form.LB_Ans->itemIndex(), 0);
        QCOMPARE(QPoint(form.MarkX, form.MarkY), QPoint(50, 60));
        QVERIFY(ringAt(form, 70, 60));
        QVERIFY(!form.AnswersDirty);
        press(form.B_Check);
        QCOMPARE(QPoint(form.MarkX, form.MarkY), QPoint(200, 210)); // the last line
        QCOMPARE(form.LB_Ans->itemIndex(), 0);
        QVERIFY(ringAt(form, 70, 60));
        QVERIFY(ringAt(form, 230, 210));
        press(form.B_Add); // overwrites the selected row with the last line's values
        QCOMPARE(form.LB_Ans->items(), (QStringList{"200  210  30   ", "200  210  30   "}));
        press(form.B_Del);
        QCOMPARE(form.LB_Ans->count(), 1);
        QCOMPARE(form.MarkX, 0);
        QVERIFY(!ringAt(form, 230, 210));
        press(form.B_Del); // nothing selected now
        QCOMPARE(form.LB_Ans->count(), 1);
    }

    void checkOnAnEmptyListLeavesTheOverlay()
    {
        TForm1 &form = enter();
        game->clickPicture(100, 100);
        press(form.B_Check);
        QVERIFY(ringAt(form, 120, 100));
    }

    void fullListRefusesButCountsAsChange()
    {
        QByteArray bytes;
        for (int i = 1; i <= 99; ++i)
            bytes += "10   10   10   \r\n";
        TForm1 &form = enter(bytes + "60\r\n");
        game->clickPicture(100, 100);
        press(form.B_Add);
        QCOMPARE(form.LB_Ans->count(), 99);
        QVERIFY(form.AnswersDirty);
        game->user->answer(Platform::IdNo);
        press(form.B_End);
        QCOMPARE(game->user->questions(), QStringList{QStringLiteral("解答データを保存しますか？")});
        QCOMPARE(form.GameState, qint32(gsTitle));
    }

    void timeChoiceIsAChange()
    {
        TForm1 &form = enter("10   10   10   \r\n60\r\n");
        form.CB_Time->setFocus();
        QTest::keyClick(form.CB_Time, Qt::Key_Down);
        QVERIFY(form.AnswersDirty);
        game->user->answer(Platform::IdYes);
        press(form.B_End);
        QCOMPARE(answerFile(), QByteArray("10   10   10   \r\n70\r\n"));
        QCOMPARE(form.GameState, qint32(gsTitle));
        QVERIFY(!form.Img_A->hasPicture());
        QVERIFY(!form.Img_B->hasPicture());
    }

    void switchingSavesTheQuestionBeingLeft()
    {
        addPictures(dir, QStringLiteral("inu"));
        TForm1 &form = enter();
        const QString left = form.QuestionName;
        game->clickPicture(30, 40);
        press(form.B_Add);
        game->user->answer(Platform::IdYes);
        const int other = form.CB_Q->itemIndex() == 0 ? 1 : 0;
        form.CB_Q->setFocus();
        QTest::keyClick(form.CB_Q, other == 1 ? Qt::Key_Down : Qt::Key_Up);
        QCOMPARE(game->user->questions().size(), 1);
        QCOMPARE(readFile(dir + left + QStringLiteral("_Ans.txt")), QByteArray("30   40   20   \r\n60\r\n"));
        QVERIFY(form.QuestionName != left);
        QCOMPARE(form.LB_Ans->count(), 0);
        QVERIFY(!form.AnswersDirty);
        QCOMPARE(form.MarkX, 30); // the candidate survives the switch
    }

    void switchingAndAnsweringNoDropsTheChanges()
    {
        addPictures(dir, QStringLiteral("inu"));
        TForm1 &form = enter("1    1    1    \r\n60\r\n");
        const QString left = form.QuestionName;
        game->clickPicture(30, 40);
        press(form.B_Add);
        press(form.B_Save);
        QVERIFY(!form.AnswersDirty);
        press(form.B_Add); // the candidate survives the save
        QCOMPARE(form.LB_Ans->count(), 3);
        game->user->answer(Platform::IdNo);
        const int other = form.CB_Q->itemIndex() == 0 ? 1 : 0;
        form.CB_Q->setFocus();
        QTest::keyClick(form.CB_Q, other == 1 ? Qt::Key_Down : Qt::Key_Up);
        QCOMPARE(game->user->questions().size(), 1);
        QCOMPARE(readFile(dir + left + QStringLiteral("_Ans.txt")), QByteArray("1    1    1    \r\n30   40   20   \r\n60\r\n"));
        QVERIFY(form.QuestionName != left);
    }

    void badRowStopsWithTheConversionError()
    {
        TForm1 &form = enter("5    6    7    \r\n8    9    zz   \r\n60\r\n");
        // Once at start-up, once on entering the mode.
        const QString error = QStringLiteral("'zz' is not a valid integer value.");
        QCOMPARE(game->user->errors(), (QStringList{error, error}));
        press(form.B_Check);
        QCOMPARE(game->user->errors().size(), 3);
        QCOMPARE(QPoint(form.MarkX, form.MarkY), QPoint(8, 9));
        QVERIFY(ringAt(form, 5 + 7, 6));
        selectRow(form, 1);
        press(form.B_Del);
        press(form.B_Save);
        QCOMPARE(answerFile(), QByteArray("5    6    7    \r\n60\r\n"));
    }

    void failedSaveStaysInTheMode()
    {
        TForm1 &form = enter();
        game->clickPicture(30, 40);
        press(form.B_Add);
        form.QuestionDir = game->playFolder() + QStringLiteral("gone/");
        game->user->answer(Platform::IdYes);
        press(form.B_End);
        QCOMPARE(game->user->errors().size(), 1);
        QCOMPARE(form.GameState, qint32(gsAnswerSetting));
        QCOMPARE(form.LB_Ans->items(), QStringList{"30   40   20   "});
    }

    // The clock of a question played before never reads more than the
    // limit of the question loaded since allows.
    void aShorterLimitLoadedAfterPlayCutsTheClock()
    {
        addPictures(dir, QStringLiteral("neko"));
        writeFile(dir + QStringLiteral("neko_Ans.txt"), "100  100  20   \r\n90\r\n");
        TForm1 &form = game->start();
        game->click(form.B_GameStart);
        press(form.B_GiveUp);
        QCOMPARE(form.TimeLeft, 90);
        writeFile(dir + QStringLiteral("neko_Ans.txt"), "100  100  20   \r\n30\r\n");
        game->click(form.B_GameStart, {5, 5}, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier);
        QCOMPARE(form.TimeLimit, 30);
        QCOMPARE(form.TimeLeft, 31);
    }

    // Whatever stops the reload after a save, the limit line goes to the file
    // only: a second save writes it once.
    void saveWithoutReloadKeepsNoLimitLine_data()
    {
        QTest::addColumn<bool>("pictureLost");
        QTest::newRow("the reload fails: picture B deleted") << true;
        QTest::newRow("the reload stops: no question selected") << false;
    }
    void saveWithoutReloadKeepsNoLimitLine()
    {
        QFETCH(bool, pictureLost);
        TForm1 &form = enter("1    1    1    \r\n90\r\n");
        game->clickPicture(30, 40);
        press(form.B_Add);
        if (pictureLost) {
            QVERIFY(QFile::remove(dir + QStringLiteral("neko_B.bmp")));
        } else {
            form.CB_Q->setFocus();
            QTest::keyClicks(form.CB_Q, QStringLiteral("zz"));
            QCOMPARE(form.CB_Q->itemIndex(), -1);
        }
        press(form.B_Save);
        QCOMPARE(form.LB_Ans->items(), (QStringList{"1    1    1    ", "30   40   20   "}));
        press(form.B_Save);
        QCOMPARE(answerFile(), QByteArray("1    1    1    \r\n30   40   20   \r\n90\r\n"));
    }

    void closingAsksNothing()
    {
        TForm1 &form = enter("1    1    1    \r\n60\r\n");
        game->clickPicture(30, 40);
        press(form.B_Add);
        form.close();
        QVERIFY(game->user->questions().isEmpty());
        QCOMPARE(answerFile(), QByteArray("1    1    1    \r\n60\r\n"));
    }
};

QTEST_MAIN(TestAnswerSetting)
#include "tst_answersetting.moc"

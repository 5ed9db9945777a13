// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Playing: start-up, the announcement, the clock, hits and misses, the four
// endings, giving up, the memory-mode countdown, the clock freeze and closing.

#include "support/gamefixture.h"
#include "support/questionfolder.h"

#include "platform/controls/bevelpanel.h"
#include "platform/controls/imageview.h"
#include "platform/controls/listbox.h"
#include "platform/controls/mouseupbutton.h"
#include "platform/controls/textlabel.h"
#include "platform/controls/timebar.h"
#include "platform/gametimer.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace QuestionFolder;

namespace {
const QByteArray TwoAnswers = "100  100  20   \r\n250  250  15   \r\n60\r\n";

bool isRed(const QImage &image, int x, int y)
{
    return image.pixelColor(x, y) == QColor(0xFF, 0x00, 0x00);
}
} // namespace

class TestFlow : public QObject
{
    Q_OBJECT

    std::unique_ptr<GameFixture> game;

    QString sample() { return game->folder(QStringLiteral("サンプルもんだい")); }
    void addQuestion(const QString &dir, const QString &name, const QByteArray &answers)
    {
        addPictures(dir, name);
        writeFile(dir + name + QStringLiteral("_Ans.txt"), answers);
    }
    TForm1 &startPlaying()
    {
        TForm1 &form = game->start();
        game->click(form.B_GameStart);
        return form;
    }

private slots:
    void init() { game = std::make_unique<GameFixture>(); }
    void cleanup() { game.reset(); }

    void titleScreenAfterStartUp()
    {
        addQuestion(sample(), QStringLiteral("neko"), TwoAnswers);
        TForm1 &form = game->start();
        QCOMPARE(form.GameState, qint32(gsTitle));
        QCOMPARE(form.L_TitleMsg->caption(), QStringLiteral("きょうも げんきで がんばろうね！")); // 10 o'clock
        QCOMPARE(form.L_QName->caption(), QStringLiteral("サンプルもんだい（１もん）"));
        QVERIFY(form.Img_A->hasPicture()); // the first question is already loaded
        QVERIFY(!form.Timer1->isEnabled());
        QVERIFY(game->user->shown().isEmpty());
    }

    void announcementThenPlay()
    {
        addQuestion(sample(), QStringLiteral("neko"), TwoAnswers);
        const qint64 before = game->clock->elapsed();
        TForm1 &form = startPlaying();
        QVERIFY(game->clock->elapsed() - before >= 50 * 30 + 2000);
        QCOMPARE(form.GameState, qint32(gsPlaying));
        QCOMPARE(form.L_Msg->caption(), QStringLiteral("のこり ２ かしょ だよ"));
        QCOMPARE(form.L_SeigenJikan->caption(), QStringLiteral("せいげんじかん：６０ びょう"));
        QCOMPARE(form.L_GMsg1->caption(), QStringLiteral("だい １ もん"));
        QCOMPARE(form.L_GMsg2->caption(), QStringLiteral("せいげんじかん ６０ びょう"));
        QCOMPARE(form.L_GMsg1->height(), 100);
        QVERIFY(!form.P_Title->isVisible());
        QVERIFY(form.B_GiveUp->isVisible());
        QCOMPARE(form.TimeLeft, 60);
        QCOMPARE(form.PB_Time->position(), 100);
        QVERIFY(form.Timer1->isEnabled());
    }

    void clockRunsOut()
    {
        addQuestion(sample(), QStringLiteral("neko"), TwoAnswers);
        TForm1 &form = startPlaying();
        game->passSeconds(1);
        QCOMPARE(form.TimeLeft, 59);
        QCOMPARE(form.PB_Time->position(), 98);
        game->passSeconds(58);
        QCOMPARE(form.GameState, qint32(gsPlaying));
        game->passSeconds(1);
        QCOMPARE(form.GameState, qint32(gsRoundOver));
        QCOMPARE(form.L_GMsg1->caption(), QStringLiteral("じかんぎれ！"));
        QCOMPARE(form.L_GMsg2->caption(), QStringLiteral("またがんばってね！"));
        QCOMPARE(game->speaker->played(), QStringList{QStringLiteral("Miss.wav")});
        QCOMPARE(form.QuestionsLeft, 0);
        QVERIFY(form.B_GameMsgOK->isVisible());
        QVERIFY(!form.B_GameMsgNG->isVisible());
        QVERIFY(!form.B_GiveUp->isVisible());
        QVERIFY(!form.Timer1->isEnabled());
        game->click(form.B_GameMsgOK);
        QCOMPARE(form.GameState, qint32(gsTitle));
    }

    void hitsMissesAndSolving()
    {
        addQuestion(sample(), QStringLiteral("neko"), TwoAnswers);
        TForm1 &form = startPlaying();
        game->clickPicture(10, 300);
        QCOMPARE(form.MissCount, 1);
        QCOMPARE(form.L_Miss->caption(), QStringLiteral("×"));
        game->clickPicture(120, 100, Qt::RightButton); // on the circle itself
        QCOMPARE(form.FoundCount, 1);
        QCOMPARE(form.L_Msg->caption(), QStringLiteral("のこり １ かしょ だよ"));
        const QImage overlay = form.Img_Ans->grab().toImage();
        QVERIFY(isRed(overlay, 120, 100));
        QVERIFY(!isRed(overlay, 100, 100));
        game->clickPicture(100, 100, Qt::MiddleButton); // found already: a miss
        QCOMPARE(form.MissCount, 2);
        game->clickPicture(250, 250);
        QCOMPARE(form.GameState, qint32(gsRoundOver));
        QCOMPARE(game->speaker->played(),
                 (QStringList{"Hazure.wav", "Atari.wav", "Hazure.wav", "Atari.wav", "Clear.wav"}));
        QCOMPARE(form.L_GMsg1->caption(), QStringLiteral("やったね！"));
        QCOMPARE(form.L_GMsg2->caption(), QStringLiteral("もんだいはぜんぶおわったよ！"));
        QVERIFY(form.B_GameMsgOK->isVisible());
        QVERIFY(!form.B_GameMsgNG->isVisible());
        QVERIFY(form.P_Title->isVisible());
        QCOMPARE(form.QuestionsLeft, 0);
    }

    void oneClickFindsOverlappingCircles()
    {
        addQuestion(sample(), QStringLiteral("neko"), "100  100  20   \r\n110  100  20   \r\n60\r\n");
        TForm1 &form = startPlaying();
        game->clickPicture(105, 100);
        QCOMPARE(form.FoundCount, 2);
        QCOMPARE(form.GameState, qint32(gsRoundOver));
        QCOMPARE(game->speaker->played(), (QStringList{"Atari.wav", "Atari.wav", "Clear.wav"}));
    }

    void thirdMissLoses()
    {
        addQuestion(sample(), QStringLiteral("neko"), TwoAnswers);
        addQuestion(sample(), QStringLiteral("inu"), TwoAnswers);
        TForm1 &form = startPlaying();
        for (int i = 0; i < 3; ++i)
            game->clickPicture(-5, 400 + i); // released outside picture B
        QCOMPARE(form.L_Miss->caption(), QStringLiteral("×××"));
        QCOMPARE(form.L_GMsg1->caption(), QStringLiteral("ざんねん！"));
        QCOMPARE(form.L_GMsg2->caption(), QStringLiteral("またがんばってね！"));
        QCOMPARE(game->speaker->played(), (QStringList{"Hazure.wav", "Hazure.wav", "Hazure.wav", "Miss.wav"}));
        QCOMPARE(form.QuestionsLeft, 0);
        game->clickPicture(100, 100); // the round is over: nothing counts
        QCOMPARE(form.FoundCount, 0);
        game->click(form.B_GameMsgOK);
        QCOMPARE(form.GameState, qint32(gsTitle));
    }

    void solvedQuestionLeadsToTheNext()
    {
        addQuestion(sample(), QStringLiteral("neko"), "100  100  20   \r\n60\r\n");
        addQuestion(sample(), QStringLiteral("inu"), "100  100  20   \r\n90\r\n");
        TForm1 &form = startPlaying();
        const int first = form.CurrentQuestion;
        game->clickPicture(100, 100);
        QCOMPARE(form.L_GMsg2->caption(), QStringLiteral("つぎにどうぞ！（のこり１もん）"));
        QVERIFY(form.B_GameMsgOK->isVisible());
        QVERIFY(form.B_GameMsgNG->isVisible());
        game->click(form.B_GameMsgOK);
        QCOMPARE(form.GameState, qint32(gsPlaying));
        QCOMPARE(form.L_GMsg1->caption(), QStringLiteral("だい ２ もん"));
        QVERIFY(form.CurrentQuestion != first);
        game->clickPicture(100, 100);
        QCOMPARE(form.L_GMsg2->caption(), QStringLiteral("もんだいはぜんぶおわったよ！"));
    }

    void resultPanelNoGoesBackToTitle()
    {
        addQuestion(sample(), QStringLiteral("neko"), "100  100  20   \r\n60\r\n");
        addQuestion(sample(), QStringLiteral("inu"), "100  100  20   \r\n60\r\n");
        TForm1 &form = startPlaying();
        game->clickPicture(100, 100);
        game->click(form.B_GameMsgNG);
        QCOMPARE(form.GameState, qint32(gsTitle));
        QCOMPARE(form.QuestionsLeft, 2);
        QVERIFY(!form.P_GameMsg->isVisible());
    }

    void givingUp()
    {
        addQuestion(sample(), QStringLiteral("neko"), TwoAnswers);
        TForm1 &form = startPlaying();
        game->click(form.B_GiveUp);
        QCOMPARE(form.GameState, qint32(gsTitle));
        QCOMPARE(game->speaker->played(), QStringList{QStringLiteral("Miss.wav")});
        QVERIFY(!form.Timer1->isEnabled());
        QVERIFY(form.P_Title->isVisible());
        QVERIFY(!form.B_GiveUp->isVisible());
    }

    void memoryModeCountdown()
    {
        addQuestion(sample(), QStringLiteral("neko"), TwoAnswers);
        writeFile(sample() + QStringLiteral("kioku.TXT"), "おぼえてね");
        TForm1 &form = game->start();
        QVERIFY(form.Img_A->hasPicture());
        QVERIFY(!form.Img_B->hasPicture()); // only picture A until the countdown ends
        const qint64 before = game->clock->elapsed();
        game->click(form.B_GameStart);
        QVERIFY(game->clock->elapsed() - before >= 3500 + 30 * 1000);
        QCOMPARE(form.P_ImgB->caption(), QStringLiteral("←　おぼえて！ ０"));
        QCOMPARE(form.P_ImgA->caption(), QStringLiteral("ちがうところをクリック！→"));
        QVERIFY(!form.Img_A->hasPicture());
        QVERIFY(form.Img_B->hasPicture());
        QCOMPARE(form.GameState, qint32(gsPlaying));
    }

    void givingUpDuringTheCountdown()
    {
        addQuestion(sample(), QStringLiteral("neko"), TwoAnswers);
        writeFile(sample() + QStringLiteral("Kioku.txt"), "");
        TForm1 &form = game->start();
        QTimer watcher;
        QObject::connect(&watcher, &QTimer::timeout, &form, [&] {
            if (form.P_ImgB->caption().endsWith(QStringLiteral("２５"))) {
                watcher.stop();
                game->click(form.B_GiveUp);
            }
        });
        watcher.start(0);
        game->click(form.B_GameStart);
        QCOMPARE(form.P_ImgB->caption(), QStringLiteral("←　おぼえて！ ２４"));
        QCOMPARE(form.GameState, qint32(gsTitle));
        QVERIFY(!form.Img_B->hasPicture());
        QVERIFY(!form.Timer1->isEnabled());
    }

    void clickDuringTheAnnouncementDoesNothing()
    {
        addQuestion(sample(), QStringLiteral("neko"), TwoAnswers);
        TForm1 &form = game->start();
        int clicks = 0;
        QTimer clicker;
        QObject::connect(&clicker, &QTimer::timeout, &form, [&] {
            if (clicks++ < 3)
                game->clickPicture(100, 100);
        });
        clicker.start(0);
        game->click(form.B_GameStart);
        QVERIFY(clicks >= 3);
        QCOMPARE(form.FoundCount, 0);
        QCOMPARE(form.MissCount, 0);
        QVERIFY(game->speaker->played().isEmpty());
    }

    void noFolderKnown()
    {
        TForm1 &form = game->start();
        game->click(form.B_GameStart, {5, 5}, Qt::RightButton);
        QCOMPARE(game->user->messages(), QStringList{QStringLiteral("もんだいが えらばれていません！")});
        QCOMPARE(form.GameState, qint32(gsTitle));
    }

    void keyboardCannotStart()
    {
        addQuestion(sample(), QStringLiteral("neko"), TwoAnswers);
        TForm1 &form = game->start();
        form.B_GameStart->setFocus();
        QTest::keyClick(form.B_GameStart, Qt::Key_Space);
        QTest::keyClick(form.B_GameStart, Qt::Key_Return);
        QCOMPARE(form.GameState, qint32(gsTitle));
        QCOMPARE(form.QuestionUsed[1], 0);
    }

    void clockFreeze()
    {
        addQuestion(sample(), QStringLiteral("neko"), TwoAnswers);
        TForm1 &form = game->start();
        game->click(form.L_Title, {5, 5}, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
        QVERIFY(!form.ClockFrozen);
        game->click(form.L_Title, {5, 5}, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier);
        QVERIFY(form.ClockFrozen);
        QCOMPARE(form.L_Title->textColor(), QColor(0xFF, 0, 0));
        game->click(form.B_GameStart);
        game->passSeconds(200);
        QCOMPARE(form.TimeLeft, 61);
        QCOMPARE(form.GameState, qint32(gsPlaying));
        game->click(form.L_Title, {5, 5}, Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier);
        QVERIFY(!form.ClockFrozen);
        QCOMPARE(form.L_Title->textColor(), QColor(0, 0, 0xFF));
    }

    void questionWithoutAnswersEndsOnlyByMisses()
    {
        addQuestion(sample(), QStringLiteral("neko"), "60\r\n");
        TForm1 &form = startPlaying();
        QCOMPARE(form.L_Msg->caption(), QStringLiteral("のこり ０ かしょ だよ"));
        game->clickPicture(100, 100);
        game->clickPicture(100, 100);
        QCOMPARE(form.GameState, qint32(gsPlaying));
        game->clickPicture(100, 100);
        QCOMPARE(form.L_GMsg1->caption(), QStringLiteral("ざんねん！"));
    }

    void untimedQuestion()
    {
        addQuestion(sample(), QStringLiteral("neko"), "100  100  20   \r\n0\r\n");
        TForm1 &form = startPlaying();
        game->passSeconds(5);
        QCOMPARE(form.GameState, qint32(gsPlaying));
        QCOMPARE(form.PB_Time->position(), 100);
        QVERIFY(game->user->errors().isEmpty());
    }

    void brokenFirstPictureStillOpensTheWindow()
    {
        addQuestion(sample(), QStringLiteral("neko"), TwoAnswers);
        writeFile(sample() + QStringLiteral("neko_A.bmp"), "this is not a bitmap at all, only a few words of text");
        TForm1 &form = game->start();
        QCOMPARE(game->user->errors(), QStringList{QStringLiteral("ビットマップイメージが不正です.")});
        QCOMPARE(form.L_TitleMsg->caption(), QStringLiteral("さあ，たのしいゲームをはじめよう！"));
        QVERIFY(form.isVisible());
    }

    void closingDuringTheAnnouncementWaitsForIt()
    {
        addQuestion(sample(), QStringLiteral("neko"), TwoAnswers);
        TForm1 &form = game->start();
        form.LB_Set->addItem(sample());
        bool visibleAfterClose = false;
        QTimer::singleShot(0, &form, [&] {
            form.close();
            visibleAfterClose = form.isVisible();
        });
        game->click(form.B_GameStart);
        QVERIFY(visibleAfterClose);
        QCOMPARE(form.GameState, qint32(gsPlaying)); // the announcement ran to its end
        QVERIFY(!form.isVisible());
        QCOMPARE(readFile(game->playFolder() + QStringLiteral("Pimukaro.Set")), (sample() + QStringLiteral("\r\n")).toUtf8());
    }
};

QTEST_MAIN(TestFlow)
#include "tst_flow.moc"

// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A round from its draw to its start, when something gets in its way: a
// question that fails to load, a close during the announcement, giving up
// during the memory countdown and starting again at once.

#include "support/gamefixture.h"
#include "support/questionfolder.h"

#include "platform/controls/bevelpanel.h"
#include "platform/controls/imageview.h"
#include "platform/controls/listbox.h"
#include "platform/controls/mouseupbutton.h"
#include "platform/controls/questioncombobox.h"
#include "platform/controls/textlabel.h"
#include "platform/controls/timebar.h"
#include "platform/gametimer.h"
#include "platform/random.h"

#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <limits>

using namespace QuestionFolder;

namespace {
const QByteArray OneAnswer = "100  100  20   \r\n60\r\n";
const QString MissingB = QStringLiteral("ファイル %1 は開けません.");
} // namespace

class TestRounds : public QObject
{
    Q_OBJECT

    std::unique_ptr<GameFixture> game;
    QString dir;

    void addQuestion(const QString &name, const QByteArray &answers = OneAnswer)
    {
        addPictures(dir, name);
        writeFile(dir + name + QStringLiteral("_Ans.txt"), answers);
    }
    void losePictureB(const QString &name) { QVERIFY(QFile::remove(dir + name + QStringLiteral("_B.bmp"))); }
    QString missingBError(const QString &name) { return MissingB.arg(dir + name + QStringLiteral("_B.bmp")); }
    void startAnswerSetting(TForm1 &form)
    {
        game->click(form.B_GameStart, {5, 5}, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier);
    }

private slots:
    void init()
    {
        game = std::make_unique<GameFixture>();
        dir = game->folder(QStringLiteral("サンプルもんだい"));
    }
    void cleanup() { game.reset(); }

    // A question whose picture B is gone answers every press of the start
    // button with its error, however often it is the only one to draw.
    void startAfterAFailedLoadDrawsAgain()
    {
        addQuestion(QStringLiteral("neko"));
        TForm1 &form = game->start();
        losePictureB(QStringLiteral("neko"));
        for (int press = 1; press <= 3; ++press) {
            game->click(form.B_GameStart);
            QCOMPARE(game->user->errors().size(), press);
            QCOMPARE(game->user->errors().last(), missingBError(QStringLiteral("neko")));
            QCOMPARE(form.GameState, qint32(gsTitle));
            QVERIFY(form.P_Title->isVisible());
        }
        startAnswerSetting(form);
        QCOMPARE(game->user->errors().size(), 4);
        QCOMPARE(form.GameState, qint32(gsAnswerSetting));
    }

    // The next-question button never hangs when the questions still to play
    // have all failed to load.
    void nextQuestionAfterFailedLoadsEnds()
    {
        addQuestion(QStringLiteral("inu"));
        addQuestion(QStringLiteral("neko"));
        TForm1 &form = game->start();
        // Draw inu first, then lose neko's picture B: the next draw fails.
        for (quint32 seed = 0;; ++seed) {
            Platform::setRandSeed(seed);
            if (Platform::randomBelow(2) == 0) {
                Platform::setRandSeed(seed);
                break;
            }
        }
        game->click(form.B_GameStart);
        QCOMPARE(form.QuestionName, QStringLiteral("inu"));
        losePictureB(QStringLiteral("neko"));
        game->clickPicture(100, 100);
        QCOMPARE(form.GameState, qint32(gsRoundOver));
        QVERIFY(form.B_GameMsgOK->isVisible());

        game->click(form.B_GameMsgOK);
        QCOMPARE(game->user->errors(), QStringList{missingBError(QStringLiteral("neko"))});
        for (int press = 0; press < 10 && form.GameState != gsPlaying; ++press)
            game->click(form.B_GameMsgOK);
        QCOMPARE(form.GameState, qint32(gsPlaying));
        QCOMPARE(form.QuestionName, QStringLiteral("inu"));
    }

    // A smaller folder leaves no used flag of the larger one behind.
    void scanningClearsEveryUsedFlag()
    {
        for (const char *name : {"a", "b", "c", "d", "e"})
            addQuestion(QString::fromLatin1(name));
        const QString small = game->folder(QStringLiteral("ちいさい"));
        addPictures(small, QStringLiteral("x"));
        TForm1 &form = game->start();
        for (int n = 1; n <= 5; ++n)
            form.QuestionUsed[n] = 1;
        game->user->pickFolder(small.chopped(1));
        game->click(form.B_QChange);
        QCOMPARE(form.QuestionTotal, 1);
        for (int n = 1; n <= MaxQuestions; ++n)
            QCOMPARE(form.QuestionUsed[n], 0);
    }

    // Closing the window during the announcement of a memory-mode question
    // ends the game at the end of the announcement, without the countdown.
    void closeDuringTheAnnouncementSkipsTheCountdown()
    {
        addQuestion(QStringLiteral("neko"));
        writeFile(dir + QStringLiteral("Kioku.txt"), "");
        TForm1 &form = game->start();
        QTimer::singleShot(0, &form, [&form] { form.close(); });
        const qint64 before = game->clock->elapsed();
        game->click(form.B_GameStart);
        QVERIFY(game->clock->elapsed() - before < 3500 + 1000);
        QVERIFY(!form.isVisible());
        QCOMPARE(form.GameState, qint32(gsTitle));
        QVERIFY(!form.Img_B->hasPicture());
        QVERIFY(!form.Timer1->isEnabled());
    }

    // Giving up during the countdown and starting again at once runs the new
    // round alone: the round given up never comes back.
    void givingUpThenStartingRunsOneRound()
    {
        addQuestion(QStringLiteral("neko"));
        writeFile(dir + QStringLiteral("Kioku.txt"), "");
        TForm1 &form = game->start();
        bool restarted = false;
        QTimer watcher;
        QObject::connect(&watcher, &QTimer::timeout, &form, [&] {
            if (!restarted && form.P_ImgB->caption().endsWith(QStringLiteral("２５"))) {
                restarted = true;
                watcher.stop();
                game->click(form.B_GiveUp);
                game->click(form.B_GameStart);
            }
        });
        watcher.start(0);
        const qint64 before = game->clock->elapsed();
        game->click(form.B_GameStart);
        QVERIFY(restarted);
        // First round: announcement and five seconds; second: all of it.
        QVERIFY(game->clock->elapsed() - before < 2 * 3500 + 5000 + 30 * 1000 + 2000);
        QCOMPARE(form.GameState, qint32(gsPlaying));
        QCOMPARE(form.TimeLeft, 60);
        QCOMPARE(form.P_ImgB->caption(), QStringLiteral("←　おぼえて！ ０"));
        QVERIFY(form.Img_B->hasPicture());
        QVERIFY(!form.Img_A->hasPicture());
        QVERIFY(form.Timer1->isEnabled());
    }

    // The largest and smallest limits a file can hold play without
    // overflowing the clock.
    void extremeLimits_data()
    {
        QTest::addColumn<QByteArray>("limitLine");
        QTest::addColumn<qint32>("timeLeft");
        QTest::addColumn<int>("bar");
        constexpr qint32 lowest = std::numeric_limits<qint32>::min();
        constexpr qint32 highest = std::numeric_limits<qint32>::max();
        QTest::newRow("highest") << QByteArray("2147483647") << qint32(highest - 4) << 99;
        QTest::newRow("highest in hex") << QByteArray("$7FFFFFFF") << qint32(highest - 4) << 99;
        QTest::newRow("lowest") << QByteArray("-2147483648") << lowest << 100;
        QTest::newRow("just above the lowest") << QByteArray("-2147483646") << lowest << 100;
    }
    void extremeLimits()
    {
        QFETCH(QByteArray, limitLine);
        addQuestion(QStringLiteral("neko"), "100  100  20   \r\n" + limitLine + "\r\n");
        TForm1 &form = game->start();
        game->click(form.B_GameStart);
        game->passSeconds(3);
        QCOMPARE(form.GameState, qint32(gsPlaying));
        QTEST(form.TimeLeft, "timeLeft");
        QVERIFY(form.TimeLeft <= qint64(form.TimeLimit) + 1);
        QTEST(form.PB_Time->position(), "bar");
    }
};

QTEST_MAIN(TestRounds)
#include "tst_rounds.moc"

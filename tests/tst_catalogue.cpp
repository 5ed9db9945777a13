// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The question folder: what the catalogue lists, the start-up folder, the
// remembered folder, drawing questions and changing the folder.

#include "support/gamefixture.h"
#include "support/questionfolder.h"

#include "platform/controls/imageview.h"
#include "platform/controls/listbox.h"
#include "platform/controls/mouseupbutton.h"
#include "platform/controls/questioncombobox.h"
#include "platform/controls/textlabel.h"
#include "platform/random.h"

#include <QDir>
#include <QPushButton>
#include <QTest>

using namespace QuestionFolder;

class TestCatalogue : public QObject
{
    Q_OBJECT

    std::unique_ptr<GameFixture> game;
    QString sample() { return game->folder(QStringLiteral("サンプルもんだい")); }

private slots:
    void init() { game = std::make_unique<GameFixture>(); }
    void cleanup() { game.reset(); }

    void listsBitmapsThenJpegs()
    {
        addPictures(sample(), QStringLiteral("dog"), Kind::Jpeg);
        addPictures(sample(), QStringLiteral("cat"));
        addPictures(sample(), QStringLiteral("q10"));
        addPictures(sample(), QStringLiteral("q2"));
        writeFile(sample() + QStringLiteral("bird_a.bmp"), "BM");
        writeFile(sample() + QStringLiteral("fish_A.BMP"), "BM");
        TForm1 &form = game->start();
        QCOMPARE(form.CB_Q->items(), (QStringList{"cat", "fish", "q2", "q10", "dog"}));
        QCOMPARE(form.QuestionTotal, 5);
        QCOMPARE(form.QuestionsLeft, 5);
        QCOMPARE(form.CB_Q->itemIndex(), 0);
        QCOMPARE(form.L_QName->caption(), QStringLiteral("サンプルもんだい（５もん）"));
        QCOMPARE(form.MemoryMode, 0);
    }

    void bothKindsListTwiceAndLoadTheBitmap()
    {
        addPictures(sample(), QStringLiteral("cat"), Kind::Bitmap, Qt::red, Qt::blue);
        addPictures(sample(), QStringLiteral("cat"), Kind::Jpeg);
        TForm1 &form = game->start();
        QCOMPARE(form.CB_Q->items(), (QStringList{"cat", "cat"}));
        QCOMPARE(form.Img_A->picture()->kind(), Picture::Kind::Bitmap);
        QCOMPARE(form.Img_B->picture()->image().pixelColor(0, 0), QColor(Qt::blue));
    }

    void rememberedFolderComesFirst()
    {
        addPictures(sample(), QStringLiteral("cat"));
        const QString other = game->folder(QStringLiteral("べつ/もんだい"));
        addPictures(other, QStringLiteral("a1"));
        addPictures(other, QStringLiteral("a2"));
        writeFile(game->playFolder() + QStringLiteral("Pimukaro.Set"), (other + QStringLiteral("\r\n")).toUtf8());
        TForm1 &form = game->start();
        QCOMPARE(form.QuestionDir, other);
        QCOMPARE(form.L_QName->caption(), QStringLiteral("べつ/もんだい（２もん）"));
    }

    void rememberedFolderThatIsGoneFallsBackButIsKept()
    {
        addPictures(sample(), QStringLiteral("cat"));
        const QByteArray remembered = "/nowhere/at/all/\r\nsecond line\r\n";
        writeFile(game->playFolder() + QStringLiteral("Pimukaro.Set"), remembered);
        TForm1 &form = game->start();
        QCOMPARE(form.QuestionDir, sample());
        form.close();
        QCOMPARE(readFile(game->playFolder() + QStringLiteral("Pimukaro.Set")), remembered);
    }

    void folderElsewhereShowsItsOwnName()
    {
        QTemporaryDir elsewhere;
        const QString dir = elsewhere.path() + QStringLiteral("/どうぶつ/");
        addPictures(dir, QStringLiteral("cat"));
        writeFile(game->playFolder() + QStringLiteral("Pimukaro.Set"), (dir + QStringLiteral("\n")).toUtf8());
        TForm1 &form = game->start();
        QCOMPARE(form.L_QName->caption(), QStringLiteral("どうぶつ（１もん）"));
    }

    void noFolderAtAll()
    {
        TForm1 &form = game->start();
        QVERIFY(form.QuestionDir.isEmpty());
        QCOMPARE(form.CB_Q->count(), 0);
        QCOMPARE(form.L_QName->caption(), QStringLiteral("もんだいをえらんでね"));
        form.close();
        QVERIFY(!QFile::exists(game->playFolder() + QStringLiteral("Pimukaro.Set")));
    }

    void drawsEveryQuestionOnce()
    {
        for (int i = 1; i <= 7; ++i)
            addPictures(sample(), QStringLiteral("q%1").arg(i));
        TForm1 &form = game->start();
        QSet<int> drawn;
        for (int i = 0; i < 7; ++i) {
            form.PickQuestion();
            drawn.insert(form.CurrentQuestion);
            QCOMPARE(form.CB_Q->itemIndex(), form.CurrentQuestion - 1);
        }
        QCOMPARE(drawn.size(), 7);
    }

    void drawFollowsTheSeed()
    {
        for (int i = 1; i <= 10; ++i)
            addPictures(sample(), QStringLiteral("q%1").arg(i));
        TForm1 &form = game->start();
        Platform::setRandSeed(0);
        form.PickQuestion();
        QCOMPARE(form.CurrentQuestion, 1); // seed 0 draws 0 below 10
    }

    void changingTheFolder()
    {
        addPictures(sample(), QStringLiteral("cat"));
        const QString chosen = game->folder(QStringLiteral("のりもの"));
        addPictures(chosen, QStringLiteral("bus"));
        addPictures(chosen, QStringLiteral("train"));
        TForm1 &form = game->start();
        game->user->pickFolder(chosen.chopped(1));
        game->click(form.B_QChange);
        QCOMPARE(game->user->folderRequests().value(0).prompt, QStringLiteral("もんだいをえらんでください"));
        QCOMPARE(game->user->folderRequests().value(0).root, game->playFolder());
        QCOMPARE(form.QuestionDir, chosen);
        QCOMPARE(form.LB_Set->items(), QStringList{chosen});
        QCOMPARE(form.L_QName->caption(), QStringLiteral("のりもの（２もん）"));
        QVERIFY(!form.Img_A->hasPicture());
        form.close();
        QCOMPARE(readFile(game->playFolder() + QStringLiteral("Pimukaro.Set")), (chosen + QStringLiteral("\r\n")).toUtf8());
    }

    void choosingAnEmptyFolderKeepsTheOldOne()
    {
        addPictures(sample(), QStringLiteral("cat"));
        const QString empty = game->folder(QStringLiteral("から"));
        TForm1 &form = game->start();
        game->user->pickFolder(empty.chopped(1));
        game->click(form.B_QChange);
        QCOMPARE(game->user->messages(), QStringList{QStringLiteral("ここにはもんだいがありません")});
        QCOMPARE(form.QuestionDir, sample());
        QCOMPARE(form.CB_Q->items(), QStringList{"cat"});
        QCOMPARE(form.LB_Set->items(), QStringList{empty});
    }

    void cancellingChangesNothing()
    {
        addPictures(sample(), QStringLiteral("cat"));
        TForm1 &form = game->start();
        game->user->cancelFolder();
        game->click(form.B_QChange);
        QCOMPARE(form.QuestionDir, sample());
        QVERIFY(form.Img_A->hasPicture());
        QCOMPARE(form.LB_Set->count(), 0);
    }

    void cancellingAfterTheFolderVanished()
    {
        addPictures(sample(), QStringLiteral("cat"));
        TForm1 &form = game->start();
        QVERIFY(QDir(sample()).removeRecursively());
        game->user->cancelFolder();
        game->click(form.B_QChange);
        QVERIFY(form.QuestionDir.isEmpty());
        game->click(form.B_GameStart);
        QCOMPARE(game->user->messages(), QStringList{QStringLiteral("もんだいが えらばれていません！")});
    }

    // A remembered folder "/" is still a folder when the chooser is cancelled.
    void cancellingWithTheRootFolderKeepsIt()
    {
        TForm1 &form = game->start();
        form.QuestionDir = QStringLiteral("/");
        game->user->cancelFolder();
        game->click(form.B_QChange);
        QCOMPARE(game->user->folderRequests().last().current, QStringLiteral("/"));
        QCOMPARE(form.QuestionDir, QStringLiteral("/"));
    }

    void emptiedFolderCannotStart()
    {
        addPictures(sample(), QStringLiteral("cat"));
        TForm1 &form = game->start();
        QVERIFY(QFile::remove(sample() + QStringLiteral("cat_A.bmp")));
        form.ShowTitle(); // the catalogue is rebuilt at every return to the title
        game->click(form.B_GameStart);
        QCOMPARE(game->user->messages(), QStringList{QStringLiteral("ここにはもんだいがありません")});
        QCOMPARE(form.GameState, qint32(gsTitle));
    }

    void atMost99Questions()
    {
        for (int i = 1; i <= 101; ++i)
            writeFile(sample() + QStringLiteral("q%1_A.bmp").arg(i), "BM");
        addPictures(sample(), QStringLiteral("q1"));
        TForm1 &form = game->start();
        QCOMPARE(form.QuestionTotal, 99);
        QCOMPARE(form.CB_Q->items().last(), QStringLiteral("q99"));
        QCOMPARE(form.CurrentQuestion, 0);
        QCOMPARE(form.QuestionsLeft, 99);
    }

    void memoryModeLoadsOnlyPictureA()
    {
        addPictures(sample(), QStringLiteral("cat"));
        writeFile(sample() + QStringLiteral("Kioku.txt"), "");
        TForm1 &form = game->start();
        QCOMPARE(form.MemoryMode, 1);
        QVERIFY(form.Img_A->hasPicture());
        QVERIFY(!form.Img_B->hasPicture());
    }

    void missingPictureBStopsTheLoad()
    {
        addPictures(sample(), QStringLiteral("cat"));
        QVERIFY(QFile::remove(sample() + QStringLiteral("cat_B.bmp")));
        writeFile(sample() + QStringLiteral("cat_Ans.txt"), "1    1    1    \r\n90\r\n");
        TForm1 &form = game->start();
        QCOMPARE(game->user->errors(),
                 QStringList{QStringLiteral("ファイル %1cat_B.bmp は開けません.").arg(sample())});
        QCOMPARE(form.AnswerCount, 0);
        QCOMPARE(form.TimeLimit, 0);
    }
};

QTEST_MAIN(TestCatalogue)
#include "tst_catalogue.moc"

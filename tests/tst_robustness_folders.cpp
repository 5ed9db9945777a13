// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Question folders made to trip the game up: odd names, pictures that are no
// files, endless devices, pipes nobody writes to, files far too large. Each
// gives its error box or loads what fits, at once and without eating memory.

#include "support/gamefixture.h"
#include "support/questionfolder.h"

#include "platform/controls/imageview.h"
#include "platform/controls/listbox.h"
#include "platform/controls/mouseupbutton.h"
#include "platform/controls/pickcombobox.h"
#include "platform/controls/questioncombobox.h"
#include "platform/controls/textlabel.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>
#include <QtEndian>

#include <sys/stat.h>

extern "C" {
#include <jerror.h>
#include <jpeglib.h>
}

using namespace QuestionFolder;

namespace {
const QByteArray WorkedExample = "120  85   20   \r\n301  240  14   \r\n60\r\n";

// What stands in a question file's place.
enum class Stand { Folder, LinkToNowhere, EndlessDevice, Fifo, TwoGigabytes };

void place(Stand stand, const QString &path)
{
    QFile::remove(path);
    switch (stand) {
    case Stand::Folder:
        QVERIFY(QDir().mkpath(path));
        break;
    case Stand::LinkToNowhere:
        QVERIFY(QFile::link(path + QStringLiteral(".gone"), path));
        break;
    case Stand::EndlessDevice:
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
        break;
    case Stand::Fifo:
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
        break;
    case Stand::TwoGigabytes: {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(qint64(2) * 1024 * 1024 * 1024)); // sparse: takes no room on the disk
        break;
    }
    }
}

// A bitmap header that claims a picture of width x height, followed by
// nothing but a few pixels.
QByteArray bitmapClaiming(qint32 width, qint32 height, quint32 compression)
{
    QByteArray bytes(54 + 16, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    qToLittleEndian<quint32>(quint32(bytes.size()), bytes.data() + 2);
    qToLittleEndian<quint32>(54 + (compression != 0 ? 1024 : 0), bytes.data() + 10);
    qToLittleEndian<quint32>(40, bytes.data() + 14);
    qToLittleEndian<qint32>(width, bytes.data() + 18);
    qToLittleEndian<qint32>(height, bytes.data() + 22);
    qToLittleEndian<quint16>(1, bytes.data() + 26);
    qToLittleEndian<quint16>(compression != 0 ? 8 : 24, bytes.data() + 28);
    qToLittleEndian<quint32>(compression, bytes.data() + 30);
    if (compression != 0)
        bytes += QByteArray(1024, '\0'); // the colour table of an 8-bit picture
    return bytes;
}

// A real small JPEG whose frame header is changed to claim width x height.
QByteArray jpegClaiming(quint16 width, quint16 height)
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    const qsizetype frame = bytes.indexOf("\xFF\xC0");
    if (frame < 0)
        qFatal("the JPEG writer made no baseline frame");
    qToBigEndian<quint16>(height, bytes.data() + frame + 5);
    qToBigEndian<quint16>(width, bytes.data() + frame + 7);
    return bytes;
}
} // namespace

Q_DECLARE_METATYPE(Stand)

class TestRobustnessFolders : public QObject
{
    Q_OBJECT

    std::unique_ptr<GameFixture> game;
    QString dir;

private slots:
    void init()
    {
        game = std::make_unique<GameFixture>();
        dir = game->folder(QStringLiteral("サンプルもんだい"));
    }
    void cleanup() { game.reset(); }

    // Question names are taken as they are: nothing in them is an option,
    // a quote or a separator to the game.
    void oddQuestionNamesPlayAndSave_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("spaces") << QStringLiteral("two  words ");
        QTest::newRow("quotes") << QStringLiteral("it's \"q\"");
        QTest::newRow("leading dash") << QStringLiteral("-rf");
        QTest::newRow("two dashes") << QStringLiteral("--help");
        QTest::newRow("Japanese") << QStringLiteral("ねこ と いぬ");
        QTest::newRow("emoji") << QStringLiteral("🐱🐶");
        QTest::newRow("dots") << QStringLiteral("a.b.c");
    }
    void oddQuestionNamesPlayAndSave()
    {
        QFETCH(QString, name);
        addPictures(dir, name);
        writeFile(dir + name + QStringLiteral("_Ans.txt"), WorkedExample);
        TForm1 &form = game->start();
        QCOMPARE(form.CB_Q->items(), QStringList { name });
        QVERIFY(form.Img_A->hasPicture());
        QVERIFY(form.Img_B->hasPicture());
        QCOMPARE(form.AnswerCount, 2);

        game->click(form.B_GameStart, { 5, 5 }, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier);
        form.LB_Ans->addItem(QStringLiteral("5    5    5    "));
        game->click(form.B_Save);
        QVERIFY(game->user->errors().isEmpty());
        QCOMPARE(readFile(dir + name + QStringLiteral("_Ans.txt")),
            QByteArray("120  85   20   \r\n301  240  14   \r\n5    5    5    \r\n60\r\n"));
        QCOMPARE(form.AnswerCount, 3);
    }

    // A remembered folder whose name is odd is found, shown and written back
    // byte for byte.
    void oddFolderNamesAreRemembered_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("spaces and quotes") << QStringLiteral("my \"best\" questions");
        QTest::newRow("leading dash") << QStringLiteral("-q");
        QTest::newRow("emoji and Japanese") << QStringLiteral("どうぶつ 🐘");
    }
    void oddFolderNamesAreRemembered()
    {
        QFETCH(QString, folder);
        const QString path = game->folder(folder);
        addPictures(path, QStringLiteral("neko"));
        const QByteArray remembered = (path + QStringLiteral("\r\n")).toUtf8();
        writeFile(game->playFolder() + QStringLiteral("Pimukaro.Set"), remembered);
        TForm1 &form = game->start();
        QCOMPARE(form.QuestionDir, path);
        QCOMPARE(form.L_QName->caption(), folder + QStringLiteral("（１もん）"));
        QVERIFY(game->user->errors().isEmpty());
        QFile::remove(game->playFolder() + QStringLiteral("Pimukaro.Set"));
        form.close();
        QCOMPARE(readFile(game->playFolder() + QStringLiteral("Pimukaro.Set")), remembered);
    }

    // What stands where a picture or the answer file should be: the error
    // box names the file, or the game goes on as if there were none.
    void questionFilesThatAreNoFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<Stand>("stand");
        QTest::addColumn<QString>("error"); // %1: the question folder
        QTest::addColumn<bool>("pictureA");

        const QString cannotOpen = QStringLiteral("ファイル %1%2 は開けません.");
        // A picture A that is no file is not there: the JPEG is tried instead.
        QTest::newRow("picture A is a folder")
            << "neko_A.bmp" << Stand::Folder << cannotOpen.arg("%1", "neko_A.jpg") << false;
        QTest::newRow("picture A links to nowhere")
            << "neko_A.bmp" << Stand::LinkToNowhere << cannotOpen.arg("%1", "neko_A.jpg") << false;
        QTest::newRow("picture A is /dev/zero")
            << "neko_A.bmp" << Stand::EndlessDevice << cannotOpen.arg("%1", "neko_A.bmp") << false;
        QTest::newRow("picture A is a pipe")
            << "neko_A.bmp" << Stand::Fifo << cannotOpen.arg("%1", "neko_A.bmp") << false;
        QTest::newRow("picture B is a folder")
            << "neko_B.bmp" << Stand::Folder << cannotOpen.arg("%1", "neko_B.bmp") << true;
        QTest::newRow("picture B links to nowhere")
            << "neko_B.bmp" << Stand::LinkToNowhere << cannotOpen.arg("%1", "neko_B.bmp") << true;
        QTest::newRow("picture B is /dev/zero")
            << "neko_B.bmp" << Stand::EndlessDevice << cannotOpen.arg("%1", "neko_B.bmp") << true;
        QTest::newRow("picture B is a pipe")
            << "neko_B.bmp" << Stand::Fifo << cannotOpen.arg("%1", "neko_B.bmp") << true;
        QTest::newRow("picture B is 2 GB") << "neko_B.bmp" << Stand::TwoGigabytes
                                           << QStringLiteral("ビットマップイメージが不正です.") << true;
    }
    void questionFilesThatAreNoFiles()
    {
        QFETCH(QString, file);
        QFETCH(Stand, stand);
        QFETCH(QString, error);
        addPictures(dir, QStringLiteral("neko"));
        writeFile(dir + QStringLiteral("neko_Ans.txt"), WorkedExample);
        place(stand, dir + file);
        TForm1 &form = game->start();
        QCOMPARE(form.CB_Q->items(), QStringList { QStringLiteral("neko") });
        QCOMPARE(game->user->errors(), QStringList { QString(error).replace(QStringLiteral("%1"), dir) });
        QTEST(form.Img_A->hasPicture(), "pictureA");
        QVERIFY(!form.Img_B->hasPicture());
        QCOMPARE(form.AnswerCount, 0); // the load stopped before the answers
    }

    void answerFilesThatAreNoFiles_data()
    {
        QTest::addColumn<Stand>("stand");
        QTest::addColumn<QString>("error"); // %1: the question folder
        const QString cannotOpen = QStringLiteral("ファイル %1neko_Ans.txt は開けません.");
        QTest::newRow("a folder, as if there were none") << Stand::Folder << QString();
        QTest::newRow("a link to nowhere, as if there were none") << Stand::LinkToNowhere << QString();
        QTest::newRow("/dev/zero") << Stand::EndlessDevice << cannotOpen;
        QTest::newRow("a pipe") << Stand::Fifo << cannotOpen;
        QTest::newRow("2 GB") << Stand::TwoGigabytes << QStringLiteral("ストリームからの読み込みエラー.");
    }
    void answerFilesThatAreNoFiles()
    {
        QFETCH(Stand, stand);
        QFETCH(QString, error);
        addPictures(dir, QStringLiteral("neko"));
        place(stand, dir + QStringLiteral("neko_Ans.txt"));
        TForm1 &form = game->start();
        QCOMPARE(game->user->errors(),
            error.isEmpty() ? QStringList()
                            : QStringList { QString(error).replace(QStringLiteral("%1"), dir) });
        QVERIFY(form.Img_B->hasPicture());
        QCOMPARE(form.AnswerCount, 0);
        QCOMPARE(form.LB_Ans->count(), 0);
        QCOMPARE(form.TimeLimit, 0);
        QCOMPARE(form.CB_Time->itemIndex(), 3);
    }

    // A remembered-folder file that is a pipe or a device cannot hold up the
    // start: the error box names it, the start-up ends there and the window
    // still opens, with no folder chosen.
    void rememberedFolderFileThatIsNoFile_data()
    {
        QTest::addColumn<Stand>("stand");
        QTest::newRow("/dev/zero") << Stand::EndlessDevice;
        QTest::newRow("a pipe") << Stand::Fifo;
    }
    void rememberedFolderFileThatIsNoFile()
    {
        QFETCH(Stand, stand);
        addPictures(dir, QStringLiteral("neko"));
        place(stand, game->playFolder() + QStringLiteral("Pimukaro.Set"));
        TForm1 &form = game->start();
        QCOMPARE(game->user->errors(), QStringList { QStringLiteral("ファイル Pimukaro.Set は開けません.") });
        QVERIFY(form.isVisible());
        QCOMPARE(form.QuestionDir, QString());
        game->click(form.B_GameStart);
        QCOMPARE(game->user->messages(), QStringList { QStringLiteral("もんだいが えらばれていません！") });
    }

    // A header may claim any size; the game never makes room for a picture
    // it cannot hold.
    void picturesThatClaimToBeHuge_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        QTest::newRow("bitmap, cut short") << "neko_A.bmp" << bitmapClaiming(30000, 30000, 0)
                                           << QStringLiteral("ストリームからの読み込みエラー.");
        QTest::newRow("bitmap, run-length encoded") << "neko_A.bmp" << bitmapClaiming(30000, 30000, 1)
                                                    << QStringLiteral("ビットマップイメージが不正です.");
        QTest::newRow("bitmap, the largest claim")
            << "neko_A.bmp" << bitmapClaiming(0x7FFFFFFF, -0x7FFFFFFF, 0)
            << QStringLiteral("ストリームからの読み込みエラー.");
        QTest::newRow("JPEG") << "neko_A.jpg" << jpegClaiming(30000, 30000)
                              << QStringLiteral("JPEG エラー #%1.").arg(int(JERR_IMAGE_TOO_BIG));
    }
    void picturesThatClaimToBeHuge()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        const auto kind = file.endsWith(QStringLiteral(".jpg")) ? Kind::Jpeg : Kind::Bitmap;
        addPictures(dir, QStringLiteral("neko"), kind);
        writeFile(dir + file, bytes);
        TForm1 &form = game->start();
        QCOMPARE(game->user->errors(), QStringList { error });
        QVERIFY(!form.Img_A->hasPicture());
    }

    // A million answer lines: the first 99 answers and the limit from the
    // last line, with the list holding only those 99.
    void millionAnswerLinesLoadTheFirst99()
    {
        addPictures(dir, QStringLiteral("neko"));
        QByteArray bytes;
        bytes.reserve(17 * 1000001);
        for (int i = 1; i <= 1000000; ++i)
            bytes += QByteArray::number(i % 350).leftJustified(5) + "10   5    \r\n";
        bytes += "90\r\n";
        writeFile(dir + QStringLiteral("neko_Ans.txt"), bytes);
        TForm1 &form = game->start();
        QVERIFY(game->user->errors().isEmpty());
        QCOMPARE(form.AnswerCount, 99);
        QCOMPARE(form.Answers[1].X, 1);
        QCOMPARE(form.Answers[99].X, 99);
        QCOMPARE(form.TimeLimit, 90);
        QCOMPARE(form.CB_Time->itemIndex(), 6);
        QCOMPARE(form.LB_Ans->count(), 99);
        QCOMPARE(form.LB_Ans->item(98), QStringLiteral("99   10   5    "));

        // What the answer-setting mode saves is what the record held.
        game->click(form.B_GameStart, { 5, 5 }, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier);
        game->click(form.B_Save);
        const QByteArray saved = readFile(dir + QStringLiteral("neko_Ans.txt"));
        QCOMPARE(saved.size(), 99 * 17 + 4);
        QVERIFY(saved.endsWith("99   10   5    \r\n90\r\n"));
    }

    // A bad line beyond the first 99 answers lies outside the record and is
    // never read; a bad limit line still fails.
    void linesBeyondTheRecordAreNotRead_data()
    {
        QTest::addColumn<QByteArray>("line100");
        QTest::addColumn<QByteArray>("limit");
        QTest::addColumn<QStringList>("errors");
        QTest::newRow("bad 100th answer") << QByteArray("x") << QByteArray("30") << QStringList();
        QTest::newRow("bad limit") << QByteArray("1    1    1    ") << QByteArray("3O")
                                   << QStringList { QStringLiteral("'3O' is not a valid integer value.") };
    }
    void linesBeyondTheRecordAreNotRead()
    {
        QFETCH(QByteArray, line100);
        QFETCH(QByteArray, limit);
        addPictures(dir, QStringLiteral("neko"));
        QByteArray bytes;
        for (int i = 1; i <= 99; ++i)
            bytes += "1    1    1    \r\n";
        bytes += line100 + "\r\n1    1    1    \r\n" + limit + "\r\n";
        writeFile(dir + QStringLiteral("neko_Ans.txt"), bytes);
        game->start();
        QTEST(game->user->errors(), "errors");
    }
};

QTEST_MAIN(TestRobustnessFolders)
#include "tst_robustness_folders.moc"

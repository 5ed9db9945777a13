// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The author's tool checks a question folder for everything that would stop
// or spoil play: one folder per problem, each giving exactly its own report,
// with the game's own error texts where the game would stop.

#include "author/check.h"
#include "authorpairs.h"
#include "rules/answerlines.h"
#include "rules/errors.h"
#include "rules/linefile.h"
#include "rules/picture.h"
#include "tools/imagewriters.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

#include <sys/stat.h>

using namespace AuthorPairs;

namespace {

// Spoils the clean folder in one way; returns the report lines expected
// (the folder path given as "%1/"), or several of them.
using Spoiler = std::function<QStringList(const QString &folder)>;

const QString answerLine = FormatAnswerLine(120, 90, 24);

QImage pictureB()
{
    return withDisc(scene(), {120, 90}, 18, Qt::red);
}

void writeAnswers(const QString &folder, const QString &name, const QByteArray &bytes)
{
    writeFile(folder + name + QStringLiteral("_Ans.txt"), bytes);
}

// The clean question "q": a bitmap pair with one difference and its answer.
void writeCleanQuestion(const QString &folder, const QString &name = QStringLiteral("q"))
{
    writePair(folder, name, scene(), pictureB(), Kind::Bitmap);
    writeAnswers(folder, name, Platform::joinLines({answerLine, QStringLiteral("60")}));
}

// What the game raises when it loads the picture.
QString gameErrorFor(const QString &picture)
{
    try {
        loadPicture(picture)->image();
    } catch (const EGameError &error) {
        return Errors::boxText(error.message());
    }
    return QStringLiteral("<no error>");
}

QString stops(const QString &text)
{
    return QStringLiteral("ゲームでは「%1」と出て止まります。").arg(text);
}

} // namespace

Q_DECLARE_METATYPE(Spoiler)

class TestAuthorCheck : public QObject
{
    Q_OBJECT

private slots:
    void eachProblemIsReported_data()
    {
        QTest::addColumn<Spoiler>("spoil");
        QTest::addColumn<bool>("exact"); // false: the lines are among others the problem brings

        QTest::newRow("picture B missing") << Spoiler([](const QString &f) {
            QFile::remove(f + QStringLiteral("q_B.bmp"));
            return QStringList {QStringLiteral("q: 絵を読み込めません。")
                + stops(Errors::boxText(Errors::cannotOpen(f + QStringLiteral("q_B.bmp"))))};
        }) << true;
        QTest::newRow("picture A not a bitmap") << Spoiler([](const QString &f) {
            writeFile(f + QStringLiteral("q_A.bmp"), QByteArray("PK") + QByteArray(100, 'x'));
            return QStringList {QStringLiteral("q: 絵を読み込めません。") + stops(Errors::boxText(Errors::invalidBitmap()))};
        }) << true;
        QTest::newRow("JPEG picture B broken") << Spoiler([](const QString &f) {
            QFile::remove(f + QStringLiteral("q_A.bmp"));
            QFile::remove(f + QStringLiteral("q_B.bmp"));
            writeFile(f + QStringLiteral("q_A.jpg"), encodeJpeg(scene(), 90, false));
            writeFile(f + QStringLiteral("q_B.jpg"), QByteArray("\xff\xd8\xff\xdb", 4) + QByteArray(40, '\x07'));
            return QStringList {QStringLiteral("q: 絵を読み込めません。") + stops(gameErrorFor(f + QStringLiteral("q_B.jpg")))};
        }) << true;
        QTest::newRow("both pictures 300 x 300") << Spoiler([](const QString &f) {
            writePair(f, QStringLiteral("q"), scene(300), withDisc(scene(300), {120, 90}, 18, Qt::red), Kind::Bitmap);
            return QStringList {QStringLiteral("q: 絵 A の大きさが 300 x 300 です。350 x 350 にしてください。"),
                QStringLiteral("q: 絵 B の大きさが 300 x 300 です。350 x 350 にしてください。")};
        }) << true;
        QTest::newRow("A and B of different sizes") << Spoiler([](const QString &f) {
            writeFile(f + QStringLiteral("q_B.bmp"), encodeBitmap(pictureB().copy(0, 0, 350, 340)));
            return QStringList {QStringLiteral("q: 絵 B の大きさが 350 x 340 です。350 x 350 にしてください。"),
                QStringLiteral("q: 絵 A（350 x 350）と絵 B（350 x 340）の大きさが違います。")};
        }) << true;
        QTest::newRow("listed twice: bitmap and JPEG") << Spoiler([](const QString &f) {
            writePair(f, QStringLiteral("q"), scene(), pictureB(), Kind::Jpeg);
            return QStringList {QStringLiteral("q: 一覧に 2 回出ます（絵 A が 2 つあります: ビットマップと JPEG、または拡張子の大文字と小文字の違い）。"
                                               "ゲームはどれを選んでも同じ絵を出します。1 つにしてください。")};
        }) << true;
        QTest::newRow("listed twice: extension in capitals") << Spoiler([](const QString &f) {
            QFile::copy(f + QStringLiteral("q_A.bmp"), f + QStringLiteral("q_A.BMP"));
            return QStringList {QStringLiteral("q: 一覧に 2 回出ます（絵 A が 2 つあります: ビットマップと JPEG、または拡張子の大文字と小文字の違い）。"
                                               "ゲームはどれを選んでも同じ絵を出します。1 つにしてください。")};
        }) << true;
        QTest::newRow("a picture named _a") << Spoiler([](const QString &f) {
            writePair(f, QStringLiteral("r"), scene(), pictureB(), Kind::Jpeg);
            QFile::rename(f + QStringLiteral("r_A.jpg"), f + QStringLiteral("r_a.jpg"));
            return QStringList {QStringLiteral("r: 絵 r_a.jpg は名前が「_a」で終わるので、ゲームの一覧に出ません。「_A」にしてください。")};
        }) << true;
        QTest::newRow("answer file missing") << Spoiler([](const QString &f) {
            // A folder of that name is no answer file to the game either.
            QFile::remove(f + QStringLiteral("q_Ans.txt"));
            QDir(f).mkdir(QStringLiteral("q_Ans.txt"));
            return QStringList {QStringLiteral("q: 答えファイル q_Ans.txt がありません。隠しモードで答えを付けるか、propose で作ってください。")};
        }) << true;
        QTest::newRow("answer file is a pipe") << Spoiler([](const QString &f) {
            QFile::remove(f + QStringLiteral("q_Ans.txt"));
            if (mkfifo(QFile::encodeName(f + QStringLiteral("q_Ans.txt")).constData(), 0600) != 0)
                qFatal("cannot make a pipe");
            QStringList lines;
            try {
                Platform::loadLines(f + QStringLiteral("q_Ans.txt"));
            } catch (const EGameError &error) {
                lines << QStringLiteral("q: 答えファイルを読み込めません。") + stops(Errors::boxText(error.message()));
            }
            return lines;
        }) << true;
        QTest::newRow("answer file empty") << Spoiler([](const QString &f) {
            writeAnswers(f, QStringLiteral("q"), QByteArray());
            return QStringList {QStringLiteral("q: 答えファイルが空です。見つける違いがありません。")};
        }) << true;
        QTest::newRow("a bad answer line") << Spoiler([](const QString &f) {
            writeAnswers(f, QStringLiteral("q"), "12x  90   24   \r\n60\r\n");
            return QStringList {QStringLiteral("q: 答えファイルの 1 行目: ")
                + stops(Errors::boxText(Errors::notAnInteger(QStringLiteral("12x"))))};
        }) << true;
        QTest::newRow("a bad limit line") << Spoiler([](const QString &f) {
            writeAnswers(f, QStringLiteral("q"), "120  90   24   \r\n1 min\r\n");
            return QStringList {QStringLiteral("q: 答えファイルの 2 行目: 最後の行は制限時間（秒）です。")
                + stops(Errors::boxText(Errors::notAnInteger(QStringLiteral("1 min"))))};
        }) << true;
        QTest::newRow("more than 99 answer lines") << Spoiler([](const QString &f) {
            QStringList lines(100, answerLine);
            lines << QStringLiteral("60");
            Platform::saveLines(lines, f + QStringLiteral("q_Ans.txt"));
            return QStringList {QStringLiteral("q: 答えの行が 100 行あります。ゲームは最初の 99 行しか使いません。")};
        }) << false;
        QTest::newRow("a limit with no time choice") << Spoiler([](const QString &f) {
            writeAnswers(f, QStringLiteral("q"), Platform::joinLines({answerLine, QStringLiteral("45")}));
            return QStringList {QStringLiteral("q: 答えファイルの 2 行目: 制限時間 45 秒は選べる時間（30, 40, 50, 60, 70, 80, 90, "
                                               "100, 110, 120, 180, 240, 300）にありません。隠しモードで保存すると 40 秒になります。")};
        }) << true;
        QTest::newRow("a limit of 0") << Spoiler([](const QString &f) {
            writeAnswers(f, QStringLiteral("q"), Platform::joinLines({answerLine, QStringLiteral("0")}));
            return QStringList {QStringLiteral("q: 答えファイルの 2 行目: 制限時間が 0 秒です。時間切れのないもんだいになります。")};
        }) << true;
        QTest::newRow("a circle outside the picture") << Spoiler([](const QString &f) {
            writeAnswers(f, QStringLiteral("q"),
                Platform::joinLines({answerLine, FormatAnswerLine(360, 90, 20), QStringLiteral("60")}));
            return QStringList {QStringLiteral("q: 答えファイルの 2 行目: 円の中心 (360, 90) が絵の外です。")};
        }) << false;
        QTest::newRow("a radius below 10") << Spoiler([](const QString &f) {
            writeAnswers(f, QStringLiteral("q"), Platform::joinLines({FormatAnswerLine(120, 90, 5), QStringLiteral("60")}));
            return QStringList {QStringLiteral("q: 答えファイルの 1 行目: 円の半径 5 は 10 から 99 の間にしてください。")};
        }) << true;
        QTest::newRow("a radius above 99") << Spoiler([](const QString &f) {
            writeAnswers(f, QStringLiteral("q"), Platform::joinLines({FormatAnswerLine(120, 90, 100), QStringLiteral("60")}));
            return QStringList {QStringLiteral("q: 答えファイルの 1 行目: 円の半径 100 は 10 から 99 の間にしてください。")};
        }) << true;
        QTest::newRow("a circle where nothing differs") << Spoiler([](const QString &f) {
            writeAnswers(f, QStringLiteral("q"),
                Platform::joinLines({answerLine, FormatAnswerLine(280, 280, 20), QStringLiteral("60")}));
            return QStringList {QStringLiteral("q: 答えファイルの 2 行目: 円 (280, 280) 半径 20 の中で、絵 A と絵 B はまったく同じです。")};
        }) << true;
        QTest::newRow("a difference no circle covers") << Spoiler([](const QString &f) {
            writeFile(f + QStringLiteral("q_B.bmp"), encodeBitmap(withDisc(pictureB(), {250, 250}, 15, Qt::blue)));
            return QStringList {QStringLiteral("q: (250, 250) のあたりの違いを囲む円がありません。子どもがそこを押すと、はずれになります。")};
        }) << true;
        QTest::newRow("overlapping circles") << Spoiler([](const QString &f) {
            writeAnswers(f, QStringLiteral("q"),
                Platform::joinLines({answerLine, FormatAnswerLine(135, 90, 10), QStringLiteral("60")}));
            return QStringList {QStringLiteral("q: 答えファイルの 1 行目と 2 行目の円が重なっています。")};
        }) << true;
        QTest::newRow("no questions") << Spoiler([](const QString &f) {
            for (const QString &name : QDir(f).entryList(QDir::Files))
                QFile::remove(f + name);
            return QStringList {f + QStringLiteral(": もんだいがありません（名前が「_A」で終わる .bmp か .jpg の絵がありません）。")};
        }) << true;
        QTest::newRow("more than 99 questions") << Spoiler([](const QString &f) {
            const QByteArray a = encodeJpeg(scene(), 90, false);
            for (int n = 1; n <= 99; ++n)
                writeFile(f + QStringLiteral("z%1_A.jpg").arg(n), a);
            return QStringList {f + QStringLiteral(": もんだいが 100 もんあります。ゲームは最初の 99 もんしか使いません（z99 から後は出ません）。")};
        }) << false;
        QTest::newRow("a folder that does not exist") << Spoiler([](const QString &f) {
            QDir(f).removeRecursively();
            return QStringList {f + QStringLiteral(": フォルダがありません。")};
        }) << true;
    }
    void eachProblemIsReported()
    {
        QFETCH(Spoiler, spoil);
        QFETCH(bool, exact);
        QTemporaryDir dir;
        const QString folder = dir.path() + QLatin1Char('/');
        writeCleanQuestion(folder);
        const QStringList expected = spoil(folder);
        QVERIFY(!expected.isEmpty());

        const Author::Outcome outcome = Author::checkFolders({folder});
        QCOMPARE(outcome.status, int(Author::Problems));
        QVERIFY(outcome.err.isEmpty());
        QStringList reported = QString::fromUtf8(outcome.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        if (exact) {
            QCOMPARE(reported, expected);
        } else {
            for (const QString &line : expected)
                QVERIFY2(reported.contains(line), qPrintable(reported.join(QLatin1Char('\n'))));
        }
    }

    // A folder with nothing wrong: one line saying so, and exit status 0; a
    // memory-mode folder says so as well, but that spoils nothing.
    void cleanFolderPasses_data()
    {
        QTest::addColumn<bool>("memoryMode");
        QTest::newRow("plain") << false;
        QTest::newRow("memory mode") << true;
    }
    void cleanFolderPasses()
    {
        QFETCH(bool, memoryMode);
        QTemporaryDir dir;
        const QString folder = dir.path() + QLatin1Char('/');
        writeCleanQuestion(folder);
        writePair(folder, QStringLiteral("j"), scene(), withDisc(scene(), {300, 300}, 20, Qt::yellow), Kind::Jpeg);
        writeAnswers(folder, QStringLiteral("j"), Platform::joinLines({FormatAnswerLine(300, 300, 26), QStringLiteral("300")}));
        QStringList expected;
        if (memoryMode) {
            writeFile(folder + QStringLiteral("kioku.TXT"), QByteArray());
            expected << folder + QStringLiteral(": Kioku.txt があるので、おぼえてモードです（絵 A を 30 秒見てから、絵 B で違いを探します）。");
        }
        expected << folder + QStringLiteral(": 遊ぶのに困るところはありません。");

        const Author::Outcome outcome = Author::checkFolders({folder});
        QCOMPARE(QString::fromUtf8(outcome.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts), expected);
        QCOMPARE(outcome.status, int(Author::Done));
    }

    // A JPEG cut short or damaged still loads in the game (the rest grey),
    // so the check names it damaged instead of reporting the grey part as
    // differences no circle covers.
    void damagedJpegNamed_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("said");
        QTest::newRow("cut short") << "cut" << "Premature end of JPEG file";
        QTest::newRow("bytes lost in the middle") << "hole" << "Corrupt JPEG data: ";
    }
    void damagedJpegNamed()
    {
        QFETCH(QString, damage);
        QFETCH(QString, said);
        QTemporaryDir dir;
        const QString folder = dir.path() + QLatin1Char('/');
        writePair(folder, QStringLiteral("j"), scene(), withDisc(scene(), {300, 300}, 20, Qt::yellow), Kind::Jpeg);
        writeAnswers(folder, QStringLiteral("j"), Platform::joinLines({FormatAnswerLine(300, 300, 26), QStringLiteral("300")}));
        QFile file(folder + QStringLiteral("j_B.jpg"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray bytes = file.readAll();
        file.close();
        if (damage == QStringLiteral("cut"))
            bytes.truncate(bytes.size() / 2);
        else
            bytes.insert(bytes.size() / 2, QByteArray("\xff\xd4", 2)); // a marker where none belongs
        writeFile(folder + QStringLiteral("j_B.jpg"), bytes);
        // The game itself loads it without a word.
        QVERIFY(!loadPicture(folder + QStringLiteral("j_B.jpg"))->image().isNull());

        const Author::Outcome outcome = Author::checkFolders({folder});
        QCOMPARE(outcome.status, int(Author::Problems));
        const QStringList reported = QString::fromUtf8(outcome.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(reported.size(), 1);
        const QString start = QStringLiteral("j: 絵 j_B.jpg のファイルが壊れています（") + said;
        QVERIFY2(reported[0].startsWith(start), qPrintable(reported[0]));
        QVERIFY(reported[0].endsWith(QStringLiteral("）。ゲームでは壊れたところが灰色などで出ます。絵を作り直してください。")));
    }
};

QTEST_MAIN(TestAuthorCheck)
#include "tst_author_check.moc"

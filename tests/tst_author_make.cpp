// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The author's tool makes a question from two photos: 350 x 350 pictures the
// game reads, cut from the middle, with the proposed answer file; every
// refusal and every failure leaves the folder as it was.

#include "author/check.h"
#include "author/finder.h"
#include "author/make.h"
#include "author/square.h"
#include "author/propose.h"
#include "authorpairs.h"
#include "support/fillingdisk.h"
#include "support/installed.h"
#include "rules/answerlines.h"
#include "rules/errors.h"
#include "rules/linefile.h"
#include "rules/picture.h"
#include "support/handheldpairs.h"
#include "tools/imagewriters.h"

#include <QDir>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace AuthorPairs;

namespace {

// A photo of the given size: the scene stretched over it and, for the
// second photo, a disc in its middle that is 20 pixels across in the question.
QImage photo(QSize size, bool withDifference)
{
    const QImage picture = scene().scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (!withDifference)
        return picture;
    const int shorter = std::min(size.width(), size.height());
    return withDisc(picture, {size.width() / 2, size.height() / 2}, 20 * shorter / 350, Qt::red);
}

void savePhoto(const QImage &image, const QString &path, const char *format)
{
    QImageWriter writer(path, format);
    if (!writer.write(image))
        qFatal("cannot save %s: %s", qPrintable(path), qPrintable(writer.errorString()));
}

QStringList lines(const QByteArray &bytes)
{
    return QString::fromUtf8(bytes).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

class TestAuthorMake : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_folder = m_dir.path() + QLatin1Char('/');
        for (const QString &name : QDir(m_folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
            QDir(m_folder + name).removeRecursively();
            QFile::remove(m_folder + name);
        }
    }
    // Photos of any size and kind Qt reads become a 350 x 350 pair the game
    // loads, and an answer file whose one circle holds the difference.
    void makesAQuestion_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("format");
        QTest::addColumn<bool>("bitmap");
        QTest::newRow("wide PNG into JPEGs") << QSize(700, 350) << "png" << false;
        QTest::newRow("tall BMP into bitmaps") << QSize(351, 1000) << "bmp" << true;
        QTest::newRow("small JPEG, enlarged") << QSize(201, 199) << "jpg" << false;
        QTest::newRow("odd-sized PPM") << QSize(513, 387) << "ppm" << false;
        QTest::newRow("exactly 350") << QSize(350, 350) << "png" << true;
    }
    void makesAQuestion()
    {
        QFETCH(QSize, size);
        QFETCH(QString, format);
        QFETCH(bool, bitmap);
        const QString photoA = m_folder + QStringLiteral("a.") + format;
        const QString photoB = m_folder + QStringLiteral("b.") + format;
        savePhoto(photo(size, false), photoA, qPrintable(format));
        savePhoto(photo(size, true), photoB, qPrintable(format));

        const Author::Outcome outcome
            = Author::makeQuestion({m_folder, QStringLiteral("ねこ")}, photoA, photoB, {bitmap, 90, std::nullopt});
        QCOMPARE(outcome.status, int(Author::Done));
        QVERIFY(outcome.err.isEmpty());
        const QString extension = bitmap ? QStringLiteral("bmp") : QStringLiteral("jpg");
        QCOMPARE(lines(outcome.out),
            QStringList {QStringLiteral("ねこ: ねこ_A.%1 と ねこ_B.%1 と ねこ_Ans.txt を作りました（違い 1 か所、制限時間 90 秒）。")
                    .arg(extension)});

        for (const char *side : {"A", "B"}) {
            const auto picture = loadPicture(m_folder + QStringLiteral("ねこ_%1.").arg(QLatin1String(side)) + extension);
            QCOMPARE(picture->kind(), bitmap ? Picture::Kind::Bitmap : Picture::Kind::Jpeg);
            QCOMPARE(picture->image().size(), QSize(350, 350));
        }
        const QStringList answers = Platform::loadLines(m_folder + QStringLiteral("ねこ_Ans.txt"));
        QCOMPARE(answers.size(), 2);
        QCOMPARE(answers.last(), QStringLiteral("90"));
        qint32 x, y, r;
        ParseAnswerLine(answers.first(), x, y, r);
        // The middle of the photo is the middle of the picture, whatever its shape.
        QVERIFY2(Author::hits({x, y, r}, 175, 175), qPrintable(answers.first()));
        QVERIFY(r >= 20 && r <= 40);
    }

    // A photo's see-through parts become white, not black, and the middle is
    // what is kept.
    void transparentPartsAreWhite()
    {
        QImage photo(700, 400, QImage::Format_ARGB32);
        photo.fill(Qt::transparent);
        for (int y = 150; y < 250; ++y)
            for (int x = 300; x < 400; ++x)
                photo.setPixel(x, y, qRgba(0, 0, 255, 255));
        const QImage square = Author::cutSquare(photo, Author::defaultSquare(photo.size()));
        QCOMPARE(square.size(), QSize(350, 350));
        QCOMPARE(square.pixel(5, 5), qRgb(255, 255, 255));
        QCOMPARE(square.pixel(175, 175), qRgb(0, 0, 255));
    }

    // An answer file already there is kept as it is.
    void keepsAnAnswerFile()
    {
        const QString photoA = m_folder + QStringLiteral("a.png");
        const QString photoB = m_folder + QStringLiteral("b.png");
        savePhoto(photo({400, 400}, false), photoA, "png");
        savePhoto(photo({400, 400}, true), photoB, "png");
        writeFile(m_folder + QStringLiteral("q_Ans.txt"), "1    2    3    \r\n60\r\n");
        const Author::Outcome outcome = Author::makeQuestion({m_folder, QStringLiteral("q")}, photoA, photoB, {});
        QCOMPARE(outcome.status, int(Author::Done));
        QCOMPARE(lines(outcome.out),
            QStringList {QStringLiteral("q: q_A.jpg と q_B.jpg を作りました。答えファイル q_Ans.txt はもうあるので、そのままにしました。")});
        QCOMPARE(snapshot(m_folder).value(QStringLiteral("q_Ans.txt")), QByteArray("1    2    3    \r\n60\r\n"));
    }

    // Each refusal and each failure: a message naming the question, exit
    // status 1, and the folder exactly as it was.
    void refusalsLeaveTheFolder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("photoB");
        QTest::addColumn<QString>("prepare");
        QTest::addColumn<QString>("message");
        QTest::newRow("photos of different sizes") << "q" << "c.png" << ""
                                                   << "q: 2 枚の写真の大きさが違います（400 x 300 と 300 x 400）。同じ大きさの写真にしてください。";
        QTest::newRow("an empty name") << "" << "b.png" << "" << "%1: もんだいの名前がありません。フォルダ/名前 の形で指定してください。";
        QTest::newRow("picture A there already") << "q" << "b.png" << "q_A.bmp"
                                                 << "q: その名前の絵（q_A.bmp）がもうあります。別の名前にしてください。";
        QTest::newRow("picture B there already, other case") << "q" << "b.png" << "q_b.JPG"
                                                             << "q: その名前の絵（q_b.JPG）がもうあります。別の名前にしてください。";
        QTest::newRow("photo B missing") << "q" << "nothing.png" << ""
                                         << "q: 写真 %1nothing.png がありません。";
        QTest::newRow("photo B unreadable") << "q" << "broken.png" << ""
                                            << "q: 写真 %1broken.png を読めません（Unable to read image data）。";
        QTest::newRow("photo B a folder") << "q" << "sub" << "" << "q: %1sub は写真のファイルではありません。";
        QTest::newRow("picture B cannot be created") << "q" << "b.png" << "q_B.jpg/"
                                                     << "q: 書き込めませんでした（ファイル %1q_B.jpg を作成できません.）。何も作っていません。";
        QTest::newRow("answer file cannot be created, after both pictures")
            << "q" << "b.png" << "q_Ans.txt/"
            << "q: 書き込めませんでした（ファイル %1q_Ans.txt を作成できません.）。何も作っていません。";
        QTest::newRow("the disk fills up") << "q" << "b.png" << "full"
                                           << "q: 書き込めませんでした（ストリームへの書き込みエラー.）。何も作っていません。";
    }
    void refusalsLeaveTheFolder()
    {
        QFETCH(QString, name);
        QFETCH(QString, photoB);
        QFETCH(QString, prepare);
        QFETCH(QString, message);
        savePhoto(photo({400, 300}, false), m_folder + QStringLiteral("a.png"), "png");
        savePhoto(photo({400, 300}, true), m_folder + QStringLiteral("b.png"), "png");
        savePhoto(photo({300, 400}, true), m_folder + QStringLiteral("c.png"), "png");
        writeFile(m_folder + QStringLiteral("broken.png"), QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(64, 'z'));
        QDir(m_folder).mkdir(QStringLiteral("sub"));
        std::optional<Installed<FillingDisk>> fullDisk;
        if (prepare == QStringLiteral("full"))
            fullDisk.emplace(1000); // far less than a picture
        else if (prepare.endsWith(QLatin1Char('/')))
            QDir(m_folder).mkdir(prepare.chopped(1));
        else if (!prepare.isEmpty())
            writeFile(m_folder + prepare, "old");
        const auto before = snapshot(m_folder);

        const Author::Outcome outcome
            = Author::makeQuestion({m_folder, name}, m_folder + QStringLiteral("a.png"), m_folder + photoB, {});
        QCOMPARE(outcome.status, int(Author::Problems));
        QVERIFY(outcome.out.isEmpty());
        QCOMPARE(lines(outcome.err), QStringList {message.arg(m_folder)});
        QCOMPARE(snapshot(m_folder), before);
    }

    // Pictures with nothing to find, or with more differences than the game
    // keeps, get no answer file: a message, status 1, nothing written.
    void proposeWithoutAnswers_data()
    {
        QTest::addColumn<QImage>("b");
        QTest::addColumn<QString>("message");
        QTest::newRow("nothing differs") << jpegRoundTrip(scene(), 75)
                                         << "q: 絵 A と絵 B の違いが見つかりませんでした。答えファイルは作りません。";
        QImage dotted = scene();
        for (int y = 10; y < 350; y += 30)
            for (int x = 10; x < 350; x += 30)
                dotted = withDisc(dotted, {x, y}, 5, Qt::red);
        QTest::newRow("144 differences") << dotted
                                         << "q: 違いが 144 か所もあり、ゲームが使える 99 か所を超えます。同じ場所から撮った 2 枚か確かめてください。答えファイルは作りません。";
    }
    void proposeWithoutAnswers()
    {
        QFETCH(QImage, b);
        QFETCH(QString, message);
        writePair(m_folder, QStringLiteral("q"), scene(), b, Kind::Bitmap);
        const auto before = snapshot(m_folder);
        const Author::Outcome outcome = Author::propose({m_folder, QStringLiteral("q")}, {true, true, 60});
        QCOMPARE(outcome.status, int(Author::Problems));
        QCOMPARE(lines(outcome.err), QStringList {message});
        QCOMPARE(snapshot(m_folder), before);
    }

    // propose --write refuses to replace an answer file without --force, and
    // a file it cannot create leaves everything as it was.
    void proposeWrites_data()
    {
        QTest::addColumn<QString>("answerFile"); // what is there first: "", "file" or "folder"
        QTest::addColumn<bool>("force");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("new") << "" << false << 0 << "q: 違い 1 か所を答えファイル q_Ans.txt に書きました（制限時間 60 秒）。";
        QTest::newRow("there, no force") << "file" << false << 1
                                         << "q: 答えファイル q_Ans.txt がもうあります。置き換えるときは --force を付けてください。";
        QTest::newRow("there, forced") << "file" << true << 0
                                       << "q: 違い 1 か所を答えファイル q_Ans.txt に書きました（制限時間 60 秒）。";
        QTest::newRow("a folder in its place") << "folder" << true << 1
                                               << "q: 答えファイルを書けませんでした（ファイル %1q_Ans.txt を作成できません.）。";
    }
    void proposeWrites()
    {
        QFETCH(QString, answerFile);
        QFETCH(bool, force);
        QFETCH(int, status);
        QFETCH(QString, message);
        writePair(m_folder, QStringLiteral("q"), scene(), withDisc(scene(), {60, 60}, 15, Qt::red), Kind::Jpeg);
        if (answerFile == QStringLiteral("file"))
            writeFile(m_folder + QStringLiteral("q_Ans.txt"), "old");
        else if (answerFile == QStringLiteral("folder"))
            QDir(m_folder).mkdir(QStringLiteral("q_Ans.txt"));
        const auto before = snapshot(m_folder);

        const Author::Outcome outcome = Author::propose({m_folder, QStringLiteral("q")}, {true, force, 60});
        QCOMPARE(outcome.status, status);
        QCOMPARE(lines(status == 0 ? outcome.out : outcome.err), QStringList {message.arg(m_folder)});
        const auto after = snapshot(m_folder);
        if (status != 0) {
            QCOMPARE(after, before);
            return;
        }
        const std::vector<Author::Circle> circles = Author::findDifferences(
            loadPicture(m_folder + QStringLiteral("q_A.jpg"))->image(), loadPicture(m_folder + QStringLiteral("q_B.jpg"))->image());
        QCOMPARE(int(circles.size()), 1);
        QCOMPARE(after.value(QStringLiteral("q_Ans.txt")),
            FormatAnswerLine(circles[0].x, circles[0].y, circles[0].r).toLatin1() + "\r\n60\r\n");
    }

    // Photos taken by hand (turned, shifted, tilted, exposed differently,
    // saved as JPEG 90) make a question with one circle per difference, and
    // the tool's own check finds nothing wrong with it.
    void handHeldPhotosPassTheCheck_data()
    {
        QTest::addColumn<unsigned>("seed");
        QTest::addColumn<bool>("bitmap");
        QTest::newRow("JPEG pictures") << 200u << false;
        QTest::newRow("bitmaps") << 201u << true;
        QTest::newRow("another pair") << 202u << false;
    }
    void handHeldPhotosPassTheCheck()
    {
        QFETCH(unsigned, seed);
        QFETCH(bool, bitmap);
        const HandHeldPairs::Pair pair
            = HandHeldPairs::make({1600, 1200}, seed, HandHeldPairs::randomShot(seed), 5);
        writeFile(m_folder + QStringLiteral("a.jpg"), encodeJpeg(pair.a, 90, false));
        writeFile(m_folder + QStringLiteral("b.jpg"), encodeJpeg(pair.b, 90, false));
        const Author::Outcome outcome = Author::makeQuestion({m_folder, QStringLiteral("t")},
            m_folder + QStringLiteral("a.jpg"), m_folder + QStringLiteral("b.jpg"), {bitmap, 60, std::nullopt});
        QVERIFY2(outcome.status == Author::Done, outcome.err.constData());
        const QString extension = bitmap ? QStringLiteral("bmp") : QStringLiteral("jpg");
        QCOMPARE(lines(outcome.out),
            QStringList {QStringLiteral("t: t_A.%1 と t_B.%1 と t_Ans.txt を作りました（違い 5 か所、制限時間 60 秒）。").arg(extension)});
        QFile::remove(m_folder + QStringLiteral("a.jpg"));
        QFile::remove(m_folder + QStringLiteral("b.jpg"));
        for (const Author::Finding &finding : Author::checkFolder(m_folder))
            QVERIFY2(!finding.problem, qPrintable(finding.text));
    }

    // No question to make: a message, status 1, and the folder byte for byte
    // as it was (the pictures used to stay behind).
    void nothingWrittenWithoutAQuestion_data()
    {
        QTest::addColumn<QImage>("a");
        QTest::addColumn<QImage>("b");
        QTest::addColumn<QString>("message");
        const HandHeldPairs::Pair still = HandHeldPairs::make({900, 700}, 212, HandHeldPairs::randomShot(212), 0);
        QTest::newRow("nothing differs") << still.a << still.b
                                         << "q: 絵 A と絵 B の違いが見つかりませんでした。何も作っていません。";
        QTest::newRow("one change too large") << still.a << withRect(still.b, {280, 200, 320, 300}, QColor(0x60, 0xa8, 0x60))
                                              << "q: (170, 175) のあたりの違いが大きすぎて、半径 99 の円に入りません。何も作っていません。";
        QImage strip(1, 5000, QImage::Format_RGB32);
        strip.fill(Qt::blue);
        QTest::newRow("a 1 x 5000 strip")
            << strip << strip << "q: 写真が細すぎて（短い辺が 64 ピクセルより短くて）、2 枚を重ね合わせられません。何も作っていません。";
        const HandHeldPairs::Pair one = HandHeldPairs::make({900, 700}, 210, {}, 2);
        const HandHeldPairs::Pair other = HandHeldPairs::make({900, 700}, 211, {}, 2);
        QTest::newRow("two places")
            << one.a << other.a
            << "q: 2 枚の写真は同じ場所を写していないようです（重ね合わせられません）。同じ場所から撮った 2 枚にしてください。何も作っていません。";
    }
    void nothingWrittenWithoutAQuestion()
    {
        QFETCH(QImage, a);
        QFETCH(QImage, b);
        QFETCH(QString, message);
        savePhoto(a, m_folder + QStringLiteral("a.png"), "png");
        savePhoto(b, m_folder + QStringLiteral("b.png"), "png");
        const auto before = snapshot(m_folder);
        const Author::Outcome outcome = Author::makeQuestion(
            {m_folder, QStringLiteral("q")}, m_folder + QStringLiteral("a.png"), m_folder + QStringLiteral("b.png"), {});
        QCOMPARE(outcome.status, int(Author::Problems));
        QVERIFY(outcome.out.isEmpty());
        QCOMPARE(lines(outcome.err), QStringList {message});
        QCOMPARE(snapshot(m_folder), before);
    }

    // Names holding "%1" or "%2" come out as they are.
    void namesWithPercentSigns()
    {
        savePhoto(photo({400, 400}, false), m_folder + QStringLiteral("a.png"), "png");
        savePhoto(photo({400, 400}, true), m_folder + QStringLiteral("b.png"), "png");
        const Author::Outcome outcome = Author::makeQuestion(
            {m_folder, QStringLiteral("%2x%1")}, m_folder + QStringLiteral("a.png"), m_folder + QStringLiteral("b.png"), {});
        QCOMPARE(outcome.status, int(Author::Done));
        QCOMPARE(lines(outcome.out),
            QStringList {QStringLiteral("%2x%1: %2x%1_A.jpg と %2x%1_B.jpg と %2x%1_Ans.txt を作りました（違い 1 か所、制限時間 60 秒）。")});
        const Author::Outcome proposed = Author::propose({m_folder, QStringLiteral("%2x%1")}, {true, true, 90});
        QCOMPARE(lines(proposed.out),
            QStringList {QStringLiteral("%2x%1: 違い 1 か所を答えファイル %2x%1_Ans.txt に書きました（制限時間 90 秒）。")});
    }

    // --square picks the part of photo A, in its own pixels; one beyond the
    // photo is a usage error and writes nothing.
    void theSquareNamed()
    {
        // The difference sits off the middle, where the default square would cut it.
        const HandHeldPairs::Pair pair = HandHeldPairs::make({700, 400}, 213, {0.3, 0, 0, 0, 0}, 0);
        const QImage a = pair.a;
        const QImage b = withDisc(pair.b, {60, 200}, 20, Qt::red);
        savePhoto(a, m_folder + QStringLiteral("a.png"), "png");
        savePhoto(b, m_folder + QStringLiteral("b.png"), "png");
        const auto before = snapshot(m_folder);
        const Author::Outcome beyond = Author::makeQuestion({m_folder, QStringLiteral("q")}, m_folder + QStringLiteral("a.png"),
            m_folder + QStringLiteral("b.png"), {false, 60, QRect(400, 0, 400, 400)});
        QCOMPARE(beyond.status, int(Author::UsageError));
        QCOMPARE(lines(beyond.err), QStringList {QStringLiteral("q: --square 400,0,400 は写真 A（700 x 400）からはみ出します。")});
        QCOMPARE(snapshot(m_folder), before);

        const Author::Outcome outcome = Author::makeQuestion({m_folder, QStringLiteral("q")}, m_folder + QStringLiteral("a.png"),
            m_folder + QStringLiteral("b.png"), {false, 60, QRect(10, 25, 350, 350)});
        QVERIFY2(outcome.status == Author::Done, outcome.err.constData());
        const QStringList answers = Platform::loadLines(m_folder + QStringLiteral("q_Ans.txt"));
        QCOMPARE(answers.size(), 2);
        qint32 x, y, r;
        ParseAnswerLine(answers.first(), x, y, r);
        QVERIFY2(Author::hits({x, y, r}, 50, 175), qPrintable(answers.first()));
    }

    // Replacing a question all or nothing: when the answer file cannot be
    // written, the pictures that were replaced come back byte for byte.
    void replacingIsAllOrNothing()
    {
        writePair(m_folder, QStringLiteral("q"), scene(), withDisc(scene(), {60, 60}, 15, Qt::red), Kind::Jpeg);
        QDir(m_folder).mkdir(QStringLiteral("q_Ans.txt"));
        const auto before = snapshot(m_folder);
        const QImage a = scene();
        const QImage b = withDisc(a, {200, 200}, 15, Qt::blue);
        const QString problem = Author::writeQuestion({m_folder, QStringLiteral("q")}, a, b, {{200, 200, 20}}, 60, {false, true});
        QCOMPARE(problem, QStringLiteral("書き込めませんでした（ファイル %1q_Ans.txt を作成できません.）。何も作っていません。").arg(m_folder));
        QCOMPARE(snapshot(m_folder), before);

        // Without the folder in the way, everything is replaced.
        QDir(m_folder).rmdir(QStringLiteral("q_Ans.txt"));
        QCOMPARE(Author::writeQuestion({m_folder, QStringLiteral("q")}, a, b, {{200, 200, 20}}, 60, {true, true}), QString());
        const auto after = snapshot(m_folder);
        QCOMPARE(after.keys(), (QStringList {QStringLiteral("q_A.bmp"), QStringLiteral("q_Ans.txt"), QStringLiteral("q_B.bmp")}));
        QCOMPARE(after.value(QStringLiteral("q_Ans.txt")), QByteArray("200  200  20   \r\n60\r\n"));
    }

    // propose on pictures that are not 350 x 350 would write circles the
    // child can never reach: refused, nothing written.
    void proposeRefusesOtherSizes()
    {
        writePair(m_folder, QStringLiteral("q"), scene(400), withDisc(scene(400), {380, 380}, 15, Qt::red), Kind::Bitmap);
        const auto before = snapshot(m_folder);
        const Author::Outcome outcome = Author::propose({m_folder, QStringLiteral("q")}, {true, true, 60});
        QCOMPARE(outcome.status, int(Author::Problems));
        QCOMPARE(lines(outcome.err),
            QStringList {QStringLiteral("q: 絵が 400 x 400 です。ゲームは 350 x 350 の中しか押せないので、350 x 350 の絵にしてください。")});
        QCOMPARE(snapshot(m_folder), before);
    }

private:
    QTemporaryDir m_dir;
    QString m_folder;
};

QTEST_MAIN(TestAuthorMake)
#include "tst_author_make.moc"

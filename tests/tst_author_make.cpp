// The author's tool makes a question from two photos: 350 x 350 pictures the
// game reads, cut from the middle, with the proposed answer file; every
// refusal and every failure leaves the folder as it was.

#include "author/finder.h"
#include "author/make.h"
#include "author/propose.h"
#include "authorpairs.h"
#include "support/fillingdisk.h"
#include "support/installed.h"
#include "rules/answerlines.h"
#include "rules/errors.h"
#include "rules/linefile.h"
#include "rules/picture.h"

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
            = Author::makeQuestion({m_folder, QStringLiteral("ねこ")}, photoA, photoB, {bitmap, 90});
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
        const QImage square = Author::questionSquare(photo);
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

private:
    QTemporaryDir m_dir;
    QString m_folder;
};

QTEST_MAIN(TestAuthorMake)
#include "tst_author_make.moc"

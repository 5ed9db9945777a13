// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// `make` with one photo: the question it writes passes its own check and its
// circles are the ones the finder proposes; bitmaps differ only inside the
// circles; a seed makes the same files again; wrong counts are usage errors;
// a refusal or a failure leaves the folder as it was.

#include "author/check.h"
#include "author/cli.h"
#include "author/finder.h"
#include "author/question.h"
#include "author/limit.h"
#include "authorpairs.h"
#include "rules/answerlines.h"
#include "rules/circles.h"
#include "rules/linefile.h"
#include "plantscenes.h"

#include <QDir>
#include <QImageWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "support/fillingdisk.h"
#include "support/installed.h"

#include <optional>

using namespace AuthorPairs;

namespace {

QStringList lines(const QByteArray &bytes)
{
    return QString::fromUtf8(bytes).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

std::vector<Author::Circle> answerCircles(const QString &file, int *limit = nullptr)
{
    const QStringList answer = Platform::loadLines(file);
    std::vector<Author::Circle> circles;
    for (qsizetype i = 0; i + 1 < answer.size(); ++i) {
        qint32 x, y, r;
        ParseAnswerLine(answer[i], x, y, r);
        circles.push_back({x, y, r});
    }
    if (limit)
        *limit = answer.last().toInt();
    return circles;
}

} // namespace

class TestAuthorMakeOne : public QObject
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
        // The known things, on a photo larger than the question and wider
        // than tall: the middle square is what is kept.
        QImage photo(700, 560, QImage::Format_RGB32);
        photo.fill(QColor(190, 190, 190));
        const QImage things = PlantScenes::objects().scaled(560, 560, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        for (int y = 0; y < 560; ++y)
            for (int x = 0; x < 560; ++x)
                photo.setPixel(70 + x, y, things.pixel(x, y));
        QVERIFY(photo.save(m_folder + QStringLiteral("photo.png")));
        QVERIFY(PlantScenes::flat(QColor(90, 140, 60), 500).save(m_folder + QStringLiteral("flat.png")));
    }

    // The question is written, its check passes, and propose finds exactly
    // the planted circles.
    void makesAQuestion_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<int>("limit"); // 0: the suggested one
        QTest::newRow("defaults") << QStringList {"--seed", "1"} << 5 << "jpg" << 0;
        QTest::newRow("three, bitmaps") << QStringList {"--differences", "3", "--bmp", "--seed", "2"} << 3 << "bmp" << 0;
        QTest::newRow("nine, a limit") << QStringList {"--differences", "9", "--limit", "240", "--seed", "3"} << 9 << "jpg"
                                       << 240;
        QTest::newRow("a square") << QStringList {"--square", "70,0,560", "--seed", "4"} << 5 << "jpg" << 0;
    }
    void makesAQuestion()
    {
        QFETCH(QStringList, options);
        QFETCH(int, count);
        QFETCH(QString, extension);
        QFETCH(int, limit);
        const QString name = QStringLiteral("ひとつ");
        const Author::Outcome outcome = Author::runAuthor(
            QStringList {QStringLiteral("make"), m_folder + name, m_folder + QStringLiteral("photo.png")} + options);
        QVERIFY2(outcome.status == Author::Done, outcome.err.constData());
        QVERIFY(outcome.err.isEmpty());

        int written = 0;
        const std::vector<Author::Circle> circles = answerCircles(m_folder + name + QStringLiteral("_Ans.txt"), &written);
        QCOMPARE(int(circles.size()), count);
        QCOMPARE(written, limit ? limit : Author::suggestedLimit(circles));
        const QString seed = options[options.indexOf(QStringLiteral("--seed")) + 1];
        const QStringList said = lines(outcome.out);
        QCOMPARE(said.size(), count + 2);
        QCOMPARE(said.first(),
            QStringLiteral("%1: %1_A.%2 と %1_B.%2 と %1_Ans.txt を作りました（違い %3 か所、制限時間 %4 秒、シード %5）。")
                .arg(name, extension)
                .arg(count)
                .arg(written)
                .arg(seed));
        QVERIFY(said[1].contains(QRegularExpression(QStringLiteral("^ひとつ: 違い 1: \\(%1, %2\\) 半径 %3、.*ました。$")
                                                        .arg(circles[0].x)
                                                        .arg(circles[0].y)
                                                        .arg(circles[0].r))));
        QCOMPARE(said.last(), QStringLiteral("%1: 同じ写真から同じもんだいをもう一度作るには --seed %2 を付けてください。").arg(name, seed));

        for (const Author::Finding &finding : Author::checkFolder(m_folder))
            QVERIFY2(!finding.problem, qPrintable(finding.text));
        const Author::PicturePair pictures = Author::loadQuestionPictures(m_folder, name);
        QCOMPARE(pictures.a.size(), QSize(350, 350));
        const std::vector<Author::Circle> found = Author::findDifferences(pictures.a, pictures.b);
        QCOMPARE(found.size(), circles.size());
        for (const Author::Circle &circle : circles)
            QCOMPARE(std::count_if(found.begin(), found.end(),
                         [&](const Author::Circle &f) { return Author::hits(circle, f.x, f.y); }),
                1);
    }

    // With bitmaps, B is A outside the circles, pixel for pixel.
    void bitmapsDifferOnlyInsideTheCircles()
    {
        for (const char *seed : {"5", "6", "7"}) {
            const QString name = QStringLiteral("b") + QLatin1String(seed);
            const Author::Outcome outcome = Author::runAuthor({QStringLiteral("make"), m_folder + name,
                m_folder + QStringLiteral("photo.png"), QStringLiteral("--bmp"), QStringLiteral("--differences"),
                QStringLiteral("7"), QStringLiteral("--seed"), QLatin1String(seed)});
            QCOMPARE(outcome.status, int(Author::Done));
            const QImage a(m_folder + name + QStringLiteral("_A.bmp"));
            const QImage b(m_folder + name + QStringLiteral("_B.bmp"));
            const std::vector<Author::Circle> circles = answerCircles(m_folder + name + QStringLiteral("_Ans.txt"));
            QCOMPARE(circles.size(), std::size_t(7));
            int inside = 0;
            for (int y = 0; y < 350; ++y)
                for (int x = 0; x < 350; ++x) {
                    const bool circled = std::any_of(circles.begin(), circles.end(),
                        [&](const Author::Circle &c) { return Author::hits(c, x, y); });
                    if (!circled)
                        QVERIFY2(a.pixel(x, y) == b.pixel(x, y), qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
                    else
                        inside += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
                }
            QVERIFY(inside > 7 * 150);
        }
    }

    // The same photo, square, count and seed write the same bytes; another
    // seed another B; without a seed the one picked is told and makes the
    // same files again.
    void seedsMakeTheSameFiles()
    {
        const auto make = [&](const QString &folder, const QStringList &more) {
            QDir().mkpath(m_folder + folder);
            return Author::runAuthor(QStringList {QStringLiteral("make"), m_folder + folder + QStringLiteral("/q"),
                                         m_folder + QStringLiteral("photo.png")}
                + more);
        };
        QCOMPARE(make(QStringLiteral("one"), {QStringLiteral("--seed"), QStringLiteral("99")}).status, int(Author::Done));
        QCOMPARE(make(QStringLiteral("two"), {QStringLiteral("--seed"), QStringLiteral("99")}).status, int(Author::Done));
        QCOMPARE(make(QStringLiteral("three"), {QStringLiteral("--seed"), QStringLiteral("100")}).status, int(Author::Done));
        const auto one = snapshot(m_folder + QStringLiteral("one"));
        QCOMPARE(one.size(), 3);
        QCOMPARE(snapshot(m_folder + QStringLiteral("two")), one);
        const auto three = snapshot(m_folder + QStringLiteral("three"));
        QCOMPARE(three.value(QStringLiteral("q_A.jpg")), one.value(QStringLiteral("q_A.jpg")));
        QVERIFY(three.value(QStringLiteral("q_B.jpg")) != one.value(QStringLiteral("q_B.jpg")));

        const Author::Outcome picked = make(QStringLiteral("four"), {});
        QCOMPARE(picked.status, int(Author::Done));
        const QRegularExpressionMatch told
            = QRegularExpression(QStringLiteral("--seed ([0-9]+) を付けてください。")).match(QString::fromUtf8(picked.out));
        QVERIFY(told.hasMatch());
        QCOMPARE(make(QStringLiteral("five"), {QStringLiteral("--seed"), told.captured(1)}).status, int(Author::Done));
        QCOMPARE(snapshot(m_folder + QStringLiteral("five")), snapshot(m_folder + QStringLiteral("four")));
    }

    // Wrong counts and wrong option values are usage errors: status 2, the
    // reason and the usage text, nothing written.
    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("reason");
        const QString count = QStringLiteral("--differences には違いの数（3 から 9）を付けてください。");
        QTest::newRow("two differences") << QStringList {"--differences", "2"} << count;
        QTest::newRow("ten differences") << QStringList {"--differences", "10"} << count;
        QTest::newRow("no differences") << QStringList {"--differences", "0"} << count;
        QTest::newRow("a word for differences") << QStringList {"--differences", "five"} << count;
        QTest::newRow("differences with a sign") << QStringList {"--differences", "+5"} << count;
        QTest::newRow("differences missing") << QStringList {"--differences"} << count;
        QTest::newRow("a negative seed") << QStringList {"--seed", "-1"} << "--seed には 0 以上の整数を付けてください。";
        QTest::newRow("a seed too large") << QStringList {"--seed", "18446744073709551616"}
                                          << "--seed には 0 以上の整数を付けてください。";
        QTest::newRow("a square of two numbers") << QStringList {"--square", "1,2"}
                                                 << "--square には写真の中の正方形を 左,上,一辺 の画素で付けてください（例: --square 500,0,3000）。";
        QTest::newRow("a square of no size") << QStringList {"--square", "1,2,0"}
                                             << "--square には写真の中の正方形を 左,上,一辺 の画素で付けてください（例: --square 500,0,3000）。";
        QTest::newRow("an unknown option") << QStringList {"--force"} << "--force というオプションはありません。";
    }
    void usageErrors()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, reason);
        const auto before = snapshot(m_folder);
        const Author::Outcome outcome = Author::runAuthor(
            QStringList {QStringLiteral("make"), m_folder + QStringLiteral("q"), m_folder + QStringLiteral("photo.png")}
            + options);
        QCOMPARE(outcome.status, int(Author::UsageError));
        QVERIFY(outcome.out.isEmpty());
        QCOMPARE(lines(outcome.err).value(0), QStringLiteral("pimukaro-author: ") + reason);
        QCOMPARE(lines(outcome.err).value(1), QStringLiteral("使い方:"));
        QCOMPARE(snapshot(m_folder), before);
    }

    // Planting options with two photos are usage errors too.
    void plantingOptionsNeedOnePhoto()
    {
        const Author::Outcome outcome = Author::runAuthor({QStringLiteral("make"), m_folder + QStringLiteral("q"),
            m_folder + QStringLiteral("photo.png"), m_folder + QStringLiteral("photo.png"), QStringLiteral("--seed"),
            QStringLiteral("3")});
        QCOMPARE(outcome.status, int(Author::UsageError));
        QCOMPARE(lines(outcome.err).value(0),
            QStringLiteral("pimukaro-author: --differences と --seed は写真が 1 枚のときだけ使えます。"));
    }

    // Refusals and failures: a message naming the question, status 1, and
    // the folder exactly as it was.
    void refusalsLeaveTheFolder_data()
    {
        QTest::addColumn<QString>("photo");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("prepare");
        QTest::addColumn<QString>("message");
        QTest::newRow("a flat photo") << "flat.png" << QStringList {"--differences", "9"} << ""
                                      << "q: この写真では、子どもが見つけやすい違いを 9 か所作れませんでした（作れたのは 3 か所）。"
                                         "色や形のはっきりした物がいくつか写った写真にするか、違いの数を減らしてください。何も作っていません。";
        QTest::newRow("a square outside the photo") << "photo.png" << QStringList {"--square", "200,0,560"} << ""
                                                    << "q: 正方形（左 200、上 0、一辺 560）が写真（700 x 560）からはみ出しています。";
        QTest::newRow("no photo") << "nothing.png" << QStringList {} << "" << "q: 写真 %1nothing.png がありません。";
        QTest::newRow("an answer file there") << "photo.png" << QStringList {} << "q_Ans.txt"
                                              << "q: その名前のファイル（q_Ans.txt）がもうあります。別の名前にしてください。何も作っていません。";
        QTest::newRow("a picture there") << "photo.png" << QStringList {} << "q_B.bmp"
                                         << "q: その名前のファイル（q_B.bmp）がもうあります。別の名前にしてください。何も作っていません。";
        QTest::newRow("the answer file cannot be made") << "photo.png" << QStringList {} << "q_Ans.txt/"
                                                        << "q: 書き込めませんでした（ファイル %1q_Ans.txt を作成できません.）。何も作っていません。";
        QTest::newRow("the disk fills up") << "photo.png" << QStringList {} << "full"
                                           << "q: 書き込めませんでした（ストリームへの書き込みエラー.）。何も作っていません。";
    }
    void refusalsLeaveTheFolder()
    {
        QFETCH(QString, photo);
        QFETCH(QStringList, options);
        QFETCH(QString, prepare);
        QFETCH(QString, message);
        // A disk that fills up after 1000 bytes, for the run below only.
        std::optional<Installed<FillingDisk>> fullDisk;
        if (prepare == QStringLiteral("full"))
            fullDisk.emplace(1000);
        else if (prepare.endsWith(QLatin1Char('/')))
            QDir(m_folder).mkdir(prepare.chopped(1));
        else if (!prepare.isEmpty())
            writeFile(m_folder + prepare, "old");
        const auto before = snapshot(m_folder);
        const Author::Outcome outcome = Author::runAuthor(
            QStringList {QStringLiteral("make"), m_folder + QStringLiteral("q"), m_folder + photo} + options);
        QCOMPARE(outcome.status, int(Author::Problems));
        QVERIFY(outcome.out.isEmpty());
        QCOMPARE(lines(outcome.err), QStringList {message.arg(m_folder)});
        QCOMPARE(snapshot(m_folder), before);
    }

private:
    QTemporaryDir m_dir;
    QString m_folder;
};

QTEST_MAIN(TestAuthorMakeOne)
#include "tst_author_makeone.moc"

// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Questions from two photos taken by hand: every difference one circle,
// nothing else marked, picture B the same as A outside the circles.

#include "author/square.h"
#include "author/twophotos.h"
#include "bench/handheldpairs.h"

#include <QTest>

#include <cmath>

using Author::Circle;

namespace {

const QSize photoSize(1200, 900);

// A true difference in the question picture's pixels.
struct Place
{
    double x, y, r;
};

std::vector<Place> inSquare(const std::vector<HandHeldPairs::Truth> &truth, const QRect &square)
{
    const double scale = double(Author::QuestionSide) / square.width();
    std::vector<Place> places;
    for (const HandHeldPairs::Truth &t : truth)
        places.push_back({(t.x - square.x()) * scale, (t.y - square.y()) * scale, t.r * scale});
    return places;
}

bool inside(const Place &place, const Circle &c)
{
    return std::hypot(c.x - place.x, c.y - place.y) <= place.r + 2;
}

} // namespace

class TestAuthorPhotos : public QObject
{
    Q_OBJECT

private slots:
    void oneCirclePerDifference_data()
    {
        QTest::addColumn<unsigned>("seed");
        QTest::addColumn<int>("differences");
        for (unsigned seed = 100; seed < 110; ++seed)
            QTest::addRow("seed %u", seed) << seed << int(3 + seed % 4);
    }
    void oneCirclePerDifference()
    {
        QFETCH(unsigned, seed);
        QFETCH(int, differences);
        const HandHeldPairs::Pair pair
            = HandHeldPairs::make(photoSize, seed, HandHeldPairs::randomShot(seed), differences);
        const Author::TwoPhotoQuestion question = Author::questionFromTwoPhotos(pair.a, pair.b, std::nullopt);
        QVERIFY2(question.problem.isEmpty(), qPrintable(question.problem));
        QCOMPARE(question.a.size(), QSize(350, 350));
        QCOMPARE(question.b.size(), QSize(350, 350));
        const std::vector<Place> truth = inSquare(pair.differences, question.square);
        QCOMPARE(int(truth.size()), differences);
        for (const Place &place : truth) {
            const auto marking = std::count_if(question.circles.begin(), question.circles.end(),
                [&](const Circle &c) { return inside(place, c); });
            QVERIFY2(marking == 1, qPrintable(QStringLiteral("(%1, %2): %3 circles").arg(place.x).arg(place.y).arg(marking)));
        }
        QCOMPARE(question.circles.size(), truth.size());
        for (std::size_t i = 0; i < question.circles.size(); ++i) {
            const Circle &c = question.circles[i];
            QVERIFY(c.r >= 10 && c.r <= 99);
            for (std::size_t j = i + 1; j < question.circles.size(); ++j)
                QVERIFY(!Author::overlap(c, question.circles[j]));
        }
        // Outside every circle, B is A.
        for (int y = 0; y < 350; ++y)
            for (int x = 0; x < 350; ++x)
                if (std::none_of(question.circles.begin(), question.circles.end(),
                        [&](const Circle &c) { return Author::hits(c, x, y); }))
                    QCOMPARE(question.b.pixel(x, y), question.a.pixel(x, y));
    }

    // A square named by the person is the one cut, in photo A's pixels.
    void theSquareNamed()
    {
        const HandHeldPairs::Pair pair = HandHeldPairs::make(photoSize, 120, {1, 0.01, 0.01, 0, 0.05}, 4);
        const QRect square(250, 150, 600, 600);
        const Author::TwoPhotoQuestion question = Author::questionFromTwoPhotos(pair.a, pair.b, square);
        QVERIFY2(question.problem.isEmpty(), qPrintable(question.problem));
        QCOMPARE(question.square, square);
        QCOMPARE(question.a, Author::cutSquare(pair.a, square));
    }

    void squareRefusals_data()
    {
        QTest::addColumn<QRect>("square");
        QTest::addColumn<QString>("problem");
        QTest::newRow("beyond photo A") << QRect(700, 400, 600, 600)
                                        << "四角 700,400,600 は写真 A（1200 x 900）からはみ出します。";
        QTest::newRow("on the edge B does not cover") << QRect(0, 0, 500, 500) << "";
    }
    void squareRefusals()
    {
        QFETCH(QRect, square);
        QFETCH(QString, problem);
        const HandHeldPairs::Pair pair = HandHeldPairs::make(photoSize, 121, {0, 0.03, 0, 0, 0}, 3);
        const Author::TwoPhotoQuestion question = Author::questionFromTwoPhotos(pair.a, pair.b, square);
        if (problem.isEmpty())
            QVERIFY(question.problem.startsWith(QStringLiteral("四角 0,0,500 には、写真 B に写っていないところがあります。")));
        else
            QCOMPARE(question.problem, problem);
        QVERIFY(question.circles.empty());
    }

    void otherPlacesRefused()
    {
        const HandHeldPairs::Pair one = HandHeldPairs::make(photoSize, 130, {}, 3);
        const HandHeldPairs::Pair other = HandHeldPairs::make(photoSize, 131, {}, 3);
        const Author::TwoPhotoQuestion question = Author::questionFromTwoPhotos(one.a, other.a, std::nullopt);
        QCOMPARE(question.problem,
            QStringLiteral("2 枚の写真は同じ場所を写していないようです（重ね合わせられません）。同じ場所から撮った 2 枚にしてください。"));
        QVERIFY(question.a.isNull() && question.circles.empty());
    }
};

QTEST_MAIN(TestAuthorPhotos)
#include "tst_author_photos.moc"

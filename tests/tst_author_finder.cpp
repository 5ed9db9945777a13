// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The author's tool finds the differences of made pairs whose truth is known:
// one circle per change, covering it, and none where only noise differs.

#include "author/finder.h"
#include "authorpairs.h"

#include <QPainter>
#include <QTest>

using Author::Circle;
using namespace AuthorPairs;

Q_DECLARE_METATYPE(QList<QRect>)

namespace {

// Whether every pixel that differs inside the area lies in some circle.
bool covered(const QImage &a, const QImage &b, const QRect &area, const std::vector<Circle> &circles)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)
                && std::none_of(circles.begin(), circles.end(), [&](const Circle &c) { return Author::hits(c, x, y); }))
                return false;
    return true;
}

} // namespace

class TestAuthorFinder : public QObject
{
    Q_OBJECT

private slots:
    // Each change gets circles that hold every changed pixel, centred on the
    // change; no circle lies where nothing changed.
    void findsEachChange_data()
    {
        QTest::addColumn<QImage>("b");
        QTest::addColumn<QList<QRect>>("changes");
        QTest::addColumn<int>("circles");
        const QImage a = scene();
        QTest::newRow("one disc") << withDisc(a, {120, 90}, 18, Qt::red) << QList<QRect> {{100, 70, 41, 41}} << 1;
        QTest::newRow("at the left edge") << withDisc(a, {4, 200}, 16, Qt::yellow) << QList<QRect> {{0, 182, 24, 37}}
                                          << 1;
        QTest::newRow("in the bottom right corner")
            << withRect(a, {335, 338, 15, 12}, Qt::magenta) << QList<QRect> {{335, 338, 15, 12}} << 1;
        QTest::newRow("two close together")
            << withDisc(withDisc(a, {150, 150}, 12, Qt::red), {190, 150}, 12, Qt::blue)
            << QList<QRect> {{136, 136, 29, 29}, {176, 136, 29, 29}} << 2;
        QTest::newRow("a thin line") << withRect(a, {60, 300, 90, 3}, Qt::black) << QList<QRect> {{60, 300, 90, 3}}
                                     << 1;
        QTest::newRow("a change just fitting one circle") << withRect(a, {100, 100, 130, 130}, Qt::darkGreen)
                                                          << QList<QRect> {{100, 100, 130, 130}} << 1;
    }
    void findsEachChange()
    {
        QFETCH(QImage, b);
        QFETCH(QList<QRect>, changes);
        const QImage a = scene();
        const std::vector<Circle> found = Author::findDifferences(a, b);
        QTEST(int(found.size()), "circles");
        for (const Circle &c : found) {
            QVERIFY2(c.r >= 10 && c.r <= 99, qPrintable(QString::number(c.r)));
            // A centre on a change, give or take the blur of its edge.
            QVERIFY(std::any_of(changes.begin(), changes.end(),
                [&](const QRect &change) { return change.adjusted(-3, -3, 3, 3).contains(c.x, c.y); }));
        }
        for (const QRect &change : changes) {
            QVERIFY(std::any_of(found.begin(), found.end(), [&](const Circle &c) {
                return Author::hits(c, change.center().x(), change.center().y());
            }));
            QVERIFY(covered(a, b, change, found));
        }
        // Different changes never share a circle's ground.
        if (changes.size() > 1)
            for (std::size_t i = 0; i < found.size(); ++i)
                for (std::size_t j = i + 1; j < found.size(); ++j)
                    QVERIFY(!Author::overlap(found[i], found[j]));
    }

    // A change no circle of radius 99 can hold is reported, not cut up:
    // several circles on one thing would make a child click it several times.
    void tooLargeForOneCircle_data()
    {
        QTest::addColumn<QImage>("b");
        QTest::addColumn<QString>("problem");
        const QImage a = scene();
        QTest::newRow("300 x 200") << withRect(a, {20, 40, 300, 200}, Qt::darkGreen)
                                   << "(170, 139) のあたりの違いが大きすぎて、半径 99 の円に入りません。";
        QTest::newRow("200 x 200") << withRect(a, {50, 50, 200, 200}, Qt::darkGreen)
                                   << "(150, 149) のあたりの違いが大きすぎて、半径 99 の円に入りません。";
        QTest::newRow("a 220 x 60 bar") << withRect(a, {40, 100, 220, 60}, Qt::black)
                                        << "(150, 130) のあたりの違いが大きすぎて、半径 99 の円に入りません。";
        // Most of the picture: the noise is still read from what did not change.
        QTest::newRow("two thirds of the picture") << withRect(a, {0, 0, 350, 240}, Qt::darkBlue)
                                                   << "(175, 120) のあたりの違いが大きすぎて、半径 99 の円に入りません。";
        QTest::newRow("all of it") << withRect(a, {0, 0, 350, 350}, Qt::darkBlue)
                                   << "(175, 175) のあたりの違いが大きすぎて、半径 99 の円に入りません。";
    }
    void tooLargeForOneCircle()
    {
        QFETCH(QImage, b);
        const Author::FoundDifferences found = Author::findChanges(scene(), b);
        QTEST(found.problem, "problem");
        QCOMPARE(int(found.circles.size()), 1);
        QCOMPARE(found.circles[0].r, 99);
    }

    // Changes close together: each its own circle, or one circle for both,
    // never two circles sharing a pixel (a click there would score twice).
    void neighboursNeverShare_data()
    {
        QTest::addColumn<int>("gap");
        QTest::addColumn<int>("size");
        for (int gap : {8, 13, 16, 20, 26, 40})
            for (int size : {3, 5, 9})
                QTest::addRow("%d-pixel dots %d apart", size, gap) << gap << size;
    }
    void neighboursNeverShare()
    {
        QFETCH(int, gap);
        QFETCH(int, size);
        const QImage a = scene();
        QImage b = a;
        QList<QRect> dots;
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 3; ++j) {
                const QRect dot(60 + i * (gap + size), 80 + j * 90, size, size);
                b = withRect(b, dot, QColor(0xff, 0x00, 0xff));
                dots << dot;
            }
        const Author::FoundDifferences found = Author::findChanges(a, b);
        QVERIFY2(found.problem.isEmpty(), qPrintable(found.problem));
        for (std::size_t i = 0; i < found.circles.size(); ++i) {
            QVERIFY(found.circles[i].r >= 10 && found.circles[i].r <= 99);
            for (std::size_t j = i + 1; j < found.circles.size(); ++j)
                QVERIFY2(!Author::overlap(found.circles[i], found.circles[j]),
                    qPrintable(QStringLiteral("%1,%2,%3 and %4,%5,%6")
                                   .arg(found.circles[i].x).arg(found.circles[i].y).arg(found.circles[i].r)
                                   .arg(found.circles[j].x).arg(found.circles[j].y).arg(found.circles[j].r)));
        }
        for (const QRect &dot : dots)
            QVERIFY(covered(a, b, dot, found.circles));
    }

    // More changes than the game keeps: said with their number, and the
    // finder stops at the hundredth circle.
    void stopsPastTheGamesAnswers()
    {
        QImage b = scene();
        for (int y = 8; y < 350; y += 20)
            for (int x = 8; x < 350; x += 20)
                b = withRect(b, {x, y, 4, 4}, Qt::black);
        const Author::FoundDifferences found = Author::findChanges(scene(), b);
        QCOMPARE(found.problem,
            QStringLiteral("違いが 324 か所もあり、ゲームが使える 99 か所を超えます。同じ場所から撮った 2 枚か確かめてください。"));
        QVERIFY(found.circles.size() <= 100);
    }

    // What registration leaves behind: every edge moved by a fraction of a
    // pixel, and gently brighter; only the real change is found.
    void ignoresWhatAlignmentLeaves_data()
    {
        QTest::addColumn<QPointF>("shift");
        QTest::addColumn<double>("gain");
        QTest::newRow("a third of a pixel") << QPointF(0.33, 0) << 1.0;
        QTest::newRow("half a pixel both ways") << QPointF(0.5, 0.5) << 1.0;
        QTest::newRow("0.4 pixel, 4 % brighter") << QPointF(-0.4, 0.3) << 1.04;
    }
    void ignoresWhatAlignmentLeaves()
    {
        QFETCH(QPointF, shift);
        QFETCH(double, gain);
        const QImage a = withNoise(scene(700), 2, 1).scaled(350, 350, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        // The edge the shift uncovers keeps the scene, as more of the table would.
        QImage moved = scene(700);
        QPainter painter(&moved);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QPointF(2 * shift.x(), 2 * shift.y()), withDisc(scene(700), {400, 240}, 30, Qt::red));
        painter.end();
        QImage b = withNoise(moved, 2, 2).scaled(350, 350, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        for (int y = 0; y < 350; ++y)
            for (int x = 0; x < 350; ++x) {
                const QRgb p = b.pixel(x, y);
                const auto up = [&](int v) { return std::min(255, int(v * gain + 0.5)); };
                b.setPixel(x, y, qRgb(up(qRed(p)), up(qGreen(p)), up(qBlue(p))));
            }
        const std::vector<Circle> found = Author::findDifferences(jpegRoundTrip(a, 85), jpegRoundTrip(b, 85));
        QVERIFY2(found.size() == 1,
            qPrintable(QStringLiteral("%1 circles, first at %2,%3").arg(found.size()).arg(found[0].x).arg(found[0].y)));
        QVERIFY(Author::hits(found[0], 200, 120));
    }

    // The pixels of one change merge into one area however it is drawn: a
    // ring, an outline with its fill, a shape moved a little.
    void mergesOneChange_data()
    {
        QTest::addColumn<QImage>("b");
        const QImage a = scene();
        QTest::newRow("outline and fill") << withDisc(a, {200, 100}, 25, Qt::white);
        QTest::newRow("moved a little") << withDisc(withDisc(a, {200, 100}, 14, Qt::red), {215, 100}, 14, Qt::red);
    }
    void mergesOneChange()
    {
        QFETCH(QImage, b);
        QCOMPARE(int(Author::findDifferences(scene(), b).size()), 1);
    }

    // Nothing changed: no circle, whatever noise the two pictures carry.
    void noCircleForNoise_data()
    {
        QTest::addColumn<QImage>("a");
        QTest::addColumn<QImage>("b");
        const QImage s = scene();
        QTest::newRow("identical") << s << s;
        QTest::newRow("JPEG 70 and JPEG 95") << jpegRoundTrip(s, 70) << jpegRoundTrip(s, 95);
        QTest::newRow("JPEG 70 and the drawing") << jpegRoundTrip(s, 70) << s;
        QTest::newRow("camera noise in each") << withNoise(s, 4, 1) << withNoise(s, 4, 2);
        QTest::newRow("camera noise, then JPEG 75")
            << jpegRoundTrip(withNoise(s, 3, 3), 75) << jpegRoundTrip(withNoise(s, 3, 4), 80);
        QTest::newRow("one pixel") << s << withRect(s, {100, 100, 1, 1}, Qt::black);
    }
    void noCircleForNoise()
    {
        QFETCH(QImage, a);
        QFETCH(QImage, b);
        const std::vector<Circle> found = Author::findDifferences(a, b);
        QVERIFY2(found.empty(), qPrintable(QStringLiteral("%1 at (%2, %3)").arg(found.size()).arg(found.empty() ? 0 : found[0].x).arg(found.empty() ? 0 : found[0].y)));
    }

    // The same change is found through JPEG noise and camera noise.
    void findsThroughNoise()
    {
        const QImage s = scene();
        const QImage b = withDisc(s, {260, 120}, 15, Qt::red);
        const std::vector<Circle> found
            = Author::findDifferences(jpegRoundTrip(withNoise(s, 3, 5), 70), jpegRoundTrip(withNoise(b, 3, 6), 90));
        QCOMPARE(int(found.size()), 1);
        QVERIFY(Author::hits(found[0], 260, 120));
        QVERIFY(found[0].r >= 15 && found[0].r <= 25);
    }
};

QTEST_MAIN(TestAuthorFinder)
#include "tst_author_finder.moc"

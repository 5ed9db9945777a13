// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The author's tool finds the differences of made pairs whose truth is known:
// one circle per change, covering it, and none where only noise differs.

#include "author/finder.h"
#include "authorpairs.h"

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
        QTest::newRow("a large change") << withRect(a, {20, 40, 300, 200}, Qt::darkGreen)
                                        << QList<QRect> {{20, 40, 300, 200}} << 6;
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

// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Laying a hand-held second photo over the first: the shot recovered to a
// fraction of a question pixel, exposure matched, other places refused.

#include "author/align.h"
#include "author/square.h"
#include "support/handheldpairs.h"

#include <QPainter>
#include <QTest>

#include <cmath>

using HandHeldPairs::Shot;
Q_DECLARE_METATYPE(HandHeldPairs::Shot)

namespace {

const QSize photoSize(1200, 900);

// The farthest any point of the square lands from where the true shot puts
// it, in pixels of the 350 x 350 question picture.
double worstMiss(const QTransform &found, const QTransform &truth, const QRect &square)
{
    double worst = 0;
    for (int i = 0; i <= 10; ++i)
        for (int j = 0; j <= 10; ++j) {
            const QPointF p(square.x() + square.width() * i / 10.0, square.y() + square.height() * j / 10.0);
            const QPointF d = found.map(p) - truth.map(p);
            worst = std::max(worst, std::hypot(d.x(), d.y()));
        }
    return worst * PictureSide / square.width();
}

} // namespace

class TestAuthorAlign : public QObject
{
    Q_OBJECT

private slots:
    void recoversTheShot_data()
    {
        QTest::addColumn<unsigned>("seed");
        QTest::addColumn<Shot>("shot");
        QTest::newRow("held still") << 1u << Shot {};
        QTest::newRow("shifted 3 %") << 2u << Shot {0, 0.03, 0, 0, 0};
        QTest::newRow("turned 2 degrees") << 3u << Shot {2, 0, 0, 0, 0};
        QTest::newRow("turned back 2 degrees") << 4u << Shot {-2, 0.01, 0, 0, 0};
        QTest::newRow("3 % closer") << 5u << Shot {0, 0, 0.03, 0, 0};
        QTest::newRow("3 % farther, tilted") << 6u << Shot {0.5, 0.01, -0.03, 1e-5, 0};
        QTest::newRow("all at once, brighter") << 7u << Shot {-1.8, 0.025, 0.025, -1e-5, 0.12};
        QTest::newRow("all at once, darker") << 8u << Shot {1.5, 0.02, -0.02, 0.8e-5, -0.12};
        for (unsigned seed = 20; seed < 26; ++seed)
            QTest::addRow("random shot %u", seed) << seed << HandHeldPairs::randomShot(seed);
    }
    void recoversTheShot()
    {
        QFETCH(unsigned, seed);
        QFETCH(Shot, shot);
        const HandHeldPairs::Pair pair = HandHeldPairs::make(photoSize, seed, shot, 4);
        const Author::AlignedPair aligned = Author::alignPhotos(pair.a, pair.b);
        QVERIFY2(aligned.problem.isEmpty(), qPrintable(aligned.problem));
        QCOMPARE(aligned.b.size(), pair.a.size());
        const QRect square = Author::defaultSquare(aligned.common.size()).translated(aligned.common.topLeft());
        const double miss = worstMiss(aligned.aToB, pair.aToB, square);
        QVERIFY2(miss < 0.5, qPrintable(QString::number(miss)));
        // The common part is all covered by B.
        const QTransform truth = pair.aToB;
        for (const QPoint &corner : {aligned.common.topLeft(), aligned.common.topRight(), aligned.common.bottomLeft(),
                 aligned.common.bottomRight()})
            QVERIFY(QRectF(0, 0, photoSize.width() - 1, photoSize.height() - 1).contains(truth.map(QPointF(corner))));
        // And it is most of the photo.
        QVERIFY(aligned.common.width() > photoSize.width() * 8 / 10);
        QVERIFY(aligned.common.height() > photoSize.height() * 8 / 10);
    }

    // B's exposure comes back to A's: over the unchanged middle the mean
    // colours agree within a few steps.
    void matchesTheExposure_data()
    {
        QTest::addColumn<double>("exposure");
        QTest::newRow("12 % brighter") << 0.12;
        QTest::newRow("12 % darker") << -0.12;
    }
    void matchesTheExposure()
    {
        QFETCH(double, exposure);
        const HandHeldPairs::Pair pair = HandHeldPairs::make(photoSize, 9, Shot {0.7, 0.01, 0.01, 0, exposure}, 0);
        const Author::AlignedPair aligned = Author::alignPhotos(pair.a, pair.b);
        QVERIFY2(aligned.problem.isEmpty(), qPrintable(aligned.problem));
        const QRect middle(400, 300, 400, 300);
        double sums[2][3] = {};
        for (int y = middle.top(); y <= middle.bottom(); ++y)
            for (int x = middle.left(); x <= middle.right(); ++x) {
                const QRgb a = pair.a.pixel(x, y);
                const QRgb b = aligned.b.pixel(x, y);
                sums[0][0] += qRed(a), sums[0][1] += qGreen(a), sums[0][2] += qBlue(a);
                sums[1][0] += qRed(b), sums[1][1] += qGreen(b), sums[1][2] += qBlue(b);
            }
        const double count = double(middle.width()) * middle.height();
        for (int c = 0; c < 3; ++c)
            QVERIFY2(std::abs(sums[0][c] - sums[1][c]) / count < 2.0,
                qPrintable(QStringLiteral("%1 against %2").arg(sums[0][c] / count).arg(sums[1][c] / count)));
    }

    // Two pictures of plain colours and one size, the second with a thing
    // added and one recoloured (drawings, a camera on a stand): nothing to
    // move, all of A covered, B as it was.
    void plainPicturesOfOneSizeLieAsTheyAre()
    {
        QImage a(800, 600, QImage::Format_RGB32);
        a.fill(QColor(0x00, 0xff, 0x00));
        QPainter paint(&a);
        paint.fillRect(0, 0, 800, 250, QColor(0x88, 0xcc, 0xff));
        paint.fillRect(170, 180, 30, 200, QColor(0x8b, 0x5a, 0x2b));
        paint.fillRect(520, 380, 80, 80, QColor(0xe0, 0x20, 0x20));
        paint.end();
        QImage b = a.copy();
        paint.begin(&b);
        paint.fillRect(520, 380, 80, 80, QColor(0xff, 0xff, 0x00));
        paint.setPen(Qt::NoPen);
        paint.setBrush(QColor(0x00, 0x00, 0xff));
        paint.drawEllipse(QPoint(400, 330), 40, 40);
        paint.end();
        const Author::AlignedPair aligned = Author::alignPhotos(a, b);
        QVERIFY2(aligned.problem.isEmpty(), qPrintable(aligned.problem));
        QCOMPARE(aligned.common, a.rect());
        QVERIFY(aligned.aToB.isIdentity());
        QCOMPARE(aligned.b.pixel(100, 100), b.pixel(100, 100));
        QCOMPARE(aligned.b.pixel(400, 330), b.pixel(400, 330));
    }

    // Two photos of different places: refused in plain words.
    void refusesOtherPlaces_data()
    {
        QTest::addColumn<QImage>("a");
        QTest::addColumn<QImage>("b");
        const HandHeldPairs::Pair one = HandHeldPairs::make(photoSize, 11, {}, 0);
        const HandHeldPairs::Pair other = HandHeldPairs::make(photoSize, 12, {}, 0);
        QTest::newRow("another table") << one.a << other.b;
        QImage grey(photoSize, QImage::Format_RGB32);
        grey.fill(QColor(0x80, 0x80, 0x80));
        QTest::newRow("a plain grey photo") << one.a << grey;
        QTest::newRow("turned upside down") << one.a << one.b.mirrored(true, true);
    }
    void refusesOtherPlaces()
    {
        QFETCH(QImage, a);
        QFETCH(QImage, b);
        const Author::AlignedPair aligned = Author::alignPhotos(a, b);
        QCOMPARE(aligned.problem,
            QStringLiteral("2 枚の写真は同じ場所を写していないようです（重ね合わせられません）。同じ場所から撮った 2 枚にしてください。"));
        QVERIFY(aligned.b.isNull());
    }
};

QTEST_MAIN(TestAuthorAlign)
#include "tst_author_align.moc"

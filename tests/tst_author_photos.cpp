// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Questions from two photos taken by hand: every difference one circle,
// nothing else marked, picture B the same as A outside the circles.

#include "author/make.h"
#include "author/photo.h"
#include "author/square.h"
#include "author/twophotos.h"
#include "support/handheldpairs.h"
#include "tools/imagewriters.h"

#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
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
    const double scale = double(PictureSide) / square.width();
    std::vector<Place> places;
    for (const HandHeldPairs::Truth &t : truth)
        places.push_back({(t.x - square.x()) * scale, (t.y - square.y()) * scale, t.r * scale});
    return places;
}

bool inside(const Place &place, const Circle &c)
{
    return std::hypot(c.x - place.x, c.y - place.y) <= place.r + 2;
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// A JPEG with an Exif block saying how the camera was held (orientation 6:
// the picture must be turned a quarter clockwise to stand upright).
QByteArray withOrientation(const QByteArray &jpeg, quint16 orientation)
{
    QByteArray tiff("II*\0\x08\0\0\0", 8);
    tiff += QByteArray("\x01\0", 2); // one entry
    tiff += QByteArray("\x12\x01\x03\0\x01\0\0\0", 8); // 0x0112, SHORT, 1
    tiff += char(orientation & 0xff);
    tiff += char(orientation >> 8);
    tiff += QByteArray(2, '\0');
    tiff += QByteArray(4, '\0'); // no next directory
    const QByteArray body = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray app1("\xff\xe1", 2);
    app1 += char((body.size() + 2) >> 8);
    app1 += char((body.size() + 2) & 0xff);
    return jpeg.left(2) + app1 + body + jpeg.mid(2);
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

    // A phone photo of 48 megapixels or more, or a 16-bit PNG over Qt's
    // default 128 MB, is read; shrunk to the working size, its own size kept.
    void readsLargePhotos()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("deep.png"));
        {
            QImage deep(4200, 4200, QImage::Format_RGBA64);
            deep.fill(QColor(0x20, 0x80, 0xc0));
            QImageWriter writer(path, "png");
            QVERIFY(writer.write(deep));
        }
        QString why;
        QSize full;
        const std::optional<QImage> photo = Author::readPhoto(path, why, &full);
        QVERIFY2(photo, qPrintable(why));
        QCOMPARE(full, QSize(4200, 4200));
        QCOMPARE(photo->size(), QSize(Author::WorkingShortSide, Author::WorkingShortSide));
        QCOMPARE(photo->pixel(500, 500), qRgb(0x20, 0x80, 0xc0));
    }

    // A large JPEG is decoded at a reduced size straight away.
    void decodesJpegsReduced()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("big.jpg"));
        writeBytes(path, encodeJpeg(HandHeldPairs::make({4000, 3000}, 140, {}, 0).a, 85, false));
        QString why;
        QSize full;
        const std::optional<QImage> photo = Author::readPhoto(path, why, &full);
        QVERIFY2(photo, qPrintable(why));
        QCOMPARE(full, QSize(4000, 3000));
        QCOMPARE(photo->size(), QSize(1000, 750));
        QCOMPARE(photo->format(), QImage::Format_RGB32);
    }

    // Upright as the camera recorded it, the full size turned too.
    void turnsPhotosUpright()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("turned.jpg"));
        QImage sideways(400, 200, QImage::Format_RGB32);
        sideways.fill(Qt::white);
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 40; ++x)
                sideways.setPixel(x, y, qRgb(0, 0, 0)); // dark on the left: on top once turned
        writeBytes(path, withOrientation(encodeJpeg(sideways, 90, false), 6));
        QString why;
        QSize full;
        const std::optional<QImage> photo = Author::readPhoto(path, why, &full);
        QVERIFY2(photo, qPrintable(why));
        QCOMPARE(photo->size(), QSize(200, 400));
        QCOMPARE(full, QSize(200, 400));
        QVERIFY(qGray(photo->pixel(100, 10)) < 40);
        QVERIFY(qGray(photo->pixel(100, 390)) > 215);
    }

    // An extreme shape is cut before it is scaled: a 1 x 5000 strip gives
    // its middle pixel enlarged, not a 350 x 1750000 picture first.
    void extremeShapesCutFirst()
    {
        QImage strip(1, 5000, QImage::Format_RGB32);
        strip.fill(Qt::blue);
        strip.setPixel(0, 2499, qRgb(255, 0, 0));
        const QImage square = Author::cutSquare(strip, Author::defaultSquare(strip.size()));
        QCOMPARE(square.size(), QSize(350, 350));
        QCOMPARE(square.pixel(175, 175), qRgb(255, 0, 0));
    }

    // A cancel set by another thread stops the work: nothing made, no problem said.
    void cancelStops()
    {
        const HandHeldPairs::Pair pair = HandHeldPairs::make(photoSize, 150, {}, 3);
        const std::atomic_bool cancel = true;
        const Author::TwoPhotoQuestion question = Author::questionFromTwoPhotos(pair.a, pair.b, std::nullopt, &cancel);
        QVERIFY(question.cancelled);
        QVERIFY(question.problem.isEmpty());
        QVERIFY(question.a.isNull() && question.circles.empty());
    }

    // Laid over each other but nothing found: the pictures still come back,
    // B as laid, for a person to circle by hand; nothing is circled.
    void nothingFoundKeepsThePictures()
    {
        const HandHeldPairs::Pair pair = HandHeldPairs::make(photoSize, 140, {1, 0.01, 0.01, 0, 0.05}, 0);
        const Author::TwoPhotoQuestion question = Author::questionFromTwoPhotos(pair.a, pair.b, std::nullopt);
        QCOMPARE(question.problem, QStringLiteral("絵 A と絵 B の違いが見つかりませんでした。"));
        QVERIFY(question.circles.empty());
        QCOMPARE(question.a.size(), QSize(350, 350));
        QCOMPARE(question.b.size(), QSize(350, 350));
        QVERIFY(question.common.contains(question.square));
        QVERIFY(question.common.width() < photoSize.width());
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

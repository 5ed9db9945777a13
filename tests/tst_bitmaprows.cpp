// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game reads plain 24- and 32-bit bitmaps itself, row by row, and leaves
// every other kind to Qt's reader: on every depth and header of the fuzz
// seeds, whatever the game accepts must show exactly what Qt's reader shows,
// drawn opaque.

#include "rules/errors.h"
#include "rules/picture.h"

#include "seeds.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestBitmapRows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sameAsQtsReader_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        for (const auto &[name, bytes] : bitmapSeeds())
            QTest::newRow(qPrintable(name)) << bytes;
    }
    void sameAsQtsReader()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("seed.bmp"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();

        std::unique_ptr<Picture> picture;
        try {
            picture = loadPicture(path);
        } catch (const EGameError &) {
            QSKIP("the game refuses this one");
        }
        QImage expected = QImage::fromData(bytes, "BMP");
        QVERIFY(!expected.isNull());
        expected = expected.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < expected.height(); ++y) {
            auto *row = reinterpret_cast<QRgb *>(expected.scanLine(y));
            for (int x = 0; x < expected.width(); ++x)
                row[x] |= 0xff000000u;
        }
        QCOMPARE(picture->image(), expected.convertToFormat(QImage::Format_RGB32));
    }

    // The seeds must hold the plain kinds the game reads itself.
    void seedsHoldThePlainKinds()
    {
        const Seeds seeds = bitmapSeeds();
        for (const char *name : {"depth24", "depth32", "depth24-top-down", "depth24-v5", "core-depth24"})
            QVERIFY2(seeds.count(QString::fromLatin1(name)) == 1, name);
    }
};

QTEST_GUILESS_MAIN(TestBitmapRows)
#include "tst_bitmaprows.moc"

// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/linefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Platform;

// Inputs the line-file fuzzer once broke, kept in fuzz/regressions/fuzz_linefile/.
class TestFuzzRegressions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lineFileRoundTrips_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QDir folder(QStringLiteral(PIMUKARO_REGRESSIONS_DIR "/fuzz_linefile"));
        const QStringList names = folder.entryList(QDir::Files, QDir::Name);
        QVERIFY(!names.isEmpty());
        for (const QString &name : names) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QTest::newRow(qPrintable(name)) << file.readAll();
        }
    }

    // Cutting, writing and cutting again, or saving and loading, gives the same lines.
    void lineFileRoundTrips()
    {
        QFETCH(QByteArray, bytes);
        const QStringList items = splitLines(bytes);
        QCOMPARE(splitLines(joinLines(items)), items);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("lines.txt"));
        saveLines(items, path);
        QCOMPARE(loadLines(path), items);
    }

    // The byte order mark an editor puts before the first line is dropped; a
    // U+FEFF starting any later line is text and survives a save.
    void byteOrderMarks()
    {
        const QByteArray bom("\xef\xbb\xbf");
        QCOMPARE(splitLines(bom + "120  85   20   \r\n60\r\n"), QStringList({"120  85   20   ", "60"}));
        const QStringList items = splitLines(bom + "a\r\n" + bom + "b\r\n");
        QCOMPARE(items, QStringList({QStringLiteral("a"), QStringLiteral("\ufeffb")}));
        QCOMPARE(joinLines(items), "a\r\n" + bom + "b\r\n");
    }
};

QTEST_GUILESS_MAIN(TestFuzzRegressions)
#include "tst_fuzzregressions.moc"

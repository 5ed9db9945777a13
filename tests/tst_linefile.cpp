// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/fillingdisk.h"
#include "support/installed.h"
#include "rules/errors.h"
#include "rules/linefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Platform;

namespace {

QByteArray readBytes(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

void writeBytes(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

class TestLineFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Lines end at CR LF, lone CR or lone LF; a NUL ends the text.
    void splitLinesFollowsTheLineRules_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("mixed ends") << QByteArray("1\r\n2\n3\r4") << QStringList { "1", "2", "3", "4" };
        QTest::newRow("mixed ends, final CR LF")
            << QByteArray("1\r\n2\n3\r4\r\n") << QStringList { "1", "2", "3", "4" };
        QTest::newRow("empty") << QByteArray() << QStringList();
        QTest::newRow("NUL ends the text") << QByteArray("1\0"
                                                         "2",
            3) << QStringList { "1" };
        QTest::newRow("NUL at the start") << QByteArray("\0"
                                                        "1\r\n",
            3) << QStringList();
        QTest::newRow("LF CR is two ends") << QByteArray("\n\r") << QStringList { "", "" };
        QTest::newRow("lone CR at the end") << QByteArray("a\r") << QStringList { "a" };
        QTest::newRow("blank lines kept") << QByteArray("a\r\n\r\nb\r\n") << QStringList { "a", "", "b" };
        QTest::newRow("just CR LF") << QByteArray("\r\n") << QStringList { "" };
        QTest::newRow("CR CR LF") << QByteArray("a\r\r\nb") << QStringList { "a", "", "b" };
        QTest::newRow("trailing blanks stay")
            << QByteArray("  100  200   15 \r\n") << QStringList { "  100  200   15 " };
        QTest::newRow("UTF-8") << QByteArray("/home/\xe3\x81\xb4\xe3\x82\x80/\r\n")
                               << QStringList { QStringLiteral("/home/ぴむ/") };
    }
    void splitLinesFollowsTheLineRules()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, items);
        QCOMPARE(splitLines(bytes), items);
    }

    // Every item gets CR LF, the last one too, and nothing else is written.
    void joinLinesEndsEveryItemWithCrLf_data()
    {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("two items") << QStringList { "1", "2" } << QByteArray("1\r\n2\r\n");
        QTest::newRow("no items") << QStringList() << QByteArray();
        QTest::newRow("one empty item") << QStringList { "" } << QByteArray("\r\n");
        QTest::newRow("Japanese as UTF-8")
            << QStringList { QStringLiteral("ぴ") } << QByteArray("\xe3\x81\xb4\r\n");
    }
    void joinLinesEndsEveryItemWithCrLf()
    {
        QFETCH(QStringList, items);
        QFETCH(QByteArray, bytes);
        QCOMPARE(joinLines(items), bytes);
    }

    // Reading a file applies the same rules to its bytes.
    // A bounded head and the final line, whatever the length of the text.
    void splitFirstAndLastLinesKeepsTheHeadAndTheEnd_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("first");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty") << QByteArray() << 2 << QStringList();
        QTest::newRow("fewer than the head") << QByteArray("a\r\nb\r\n") << 2 << QStringList{"a", "b"};
        QTest::newRow("one more than the head") << QByteArray("a\r\nb\r\nc\r\n") << 2 << QStringList{"a", "b", "c"};
        QTest::newRow("many more") << QByteArray("a\nb\nc\nd\ne") << 2 << QStringList{"a", "b", "e"};
        QTest::newRow("a blank last line") << QByteArray("a\nb\nc\n\n") << 1 << QStringList{"a", ""};
        QTest::newRow("no head") << QByteArray("a\nb\nc") << 0 << QStringList{"c"};
        QTest::newRow("NUL ends the text") << QByteArray("a\nb\nc\0d\n", 9) << 1 << QStringList{"a", "c"};
    }
    void splitFirstAndLastLinesKeepsTheHeadAndTheEnd()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, first);
        QTEST(splitFirstAndLastLines(bytes, first), "lines");
    }

    void loadLinesReadsTheWholeFile()
    {
        QTemporaryDir dir;
        const QString name = dir.filePath("q_Ans.txt");
        writeBytes(name, QByteArray("1\r\n2\n3\r4"));
        QCOMPARE(loadLines(name), (QStringList { "1", "2", "3", "4" }));
    }

    // Saving {1, 2} gives exactly six bytes, replacing what was there.
    void saveLinesWritesExactBytes()
    {
        QTemporaryDir dir;
        const QString name = dir.filePath("q_Ans.txt");
        writeBytes(name, QByteArray("old content that is longer\r\n"));
        saveLines({ "1", "2" }, name);
        QCOMPARE(readBytes(name), QByteArray("1\r\n2\r\n"));
        QCOMPARE(entriesOf(dir.path()), QStringList { "q_Ans.txt" });
    }

    // The remembered folder survives a save and a load, Japanese and all, in a Japanese-named file.
    void japanesePathRoundTripsAsUtf8()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("ぴむかろ"));
        QVERIFY(QDir().mkpath(folder));
        const QString name = folder + QStringLiteral("/記憶.Set");
        const QStringList items { QStringLiteral("/home/こども/サンプルもんだい/") };
        saveLines(items, name);
        QCOMPARE(readBytes(name), items.first().toUtf8() + "\r\n");
        QCOMPARE(loadLines(name), items);
    }

    // What cannot be opened is reported with the name as passed.
    void loadLinesOfWhatCannotBeOpened_data()
    {
        QTest::addColumn<QString>("relativeName");
        QTest::newRow("missing file") << "nothing_Ans.txt";
        QTest::newRow("missing folder") << QStringLiteral("ない/q_Ans.txt");
        QTest::newRow("a folder") << "sub";
        QTest::newRow("a folder with trailing slash") << "sub/";
    }
    void loadLinesOfWhatCannotBeOpened()
    {
        QFETCH(QString, relativeName);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("sub"));
        const QString name = dir.path() + u'/' + relativeName;
        try {
            loadLines(name);
            QFAIL("no error");
        } catch (const EFOpenError &error) {
            QCOMPARE(error.message(), QStringLiteral("ファイル %1 は開けません").arg(name));
        }
    }

    // A device is not a text file: refused at once instead of read without end.
    void loadLinesRefusesDevices() { QVERIFY_THROWS_EXCEPTION(EFOpenError, loadLines("/dev/zero")); }

    // A file far larger than any the game writes is refused, not swallowed.
    void loadLinesRefusesAHugeFile()
    {
        QTemporaryDir dir;
        const QString name = dir.filePath("huge.txt");
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(qint64(64) * 1024 * 1024 + 1)); // sparse: costs no disk
        file.close();
        try {
            loadLines(name);
            QFAIL("no error");
        } catch (const EReadError &error) {
            QCOMPARE(error.message(), QStringLiteral("ストリームからの読み込みエラー"));
        }
    }

    // A file that cannot be created is named in the error, and nothing appears on disk.
    void saveLinesIntoAMissingFolderFails()
    {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("ない/q_Ans.txt"));
        try {
            saveLines({ "1" }, name);
            QFAIL("no error");
        } catch (const EFCreateError &error) {
            QCOMPARE(error.message(), QStringLiteral("ファイル %1 を作成できません").arg(name));
        }
        QCOMPARE(entriesOf(dir.path()), QStringList());
    }

    // A folder in the way is not replaced.
    void saveLinesOverAFolderFails()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("Pimukaro.Set"));
        const QString name = dir.filePath("Pimukaro.Set");
        QVERIFY_THROWS_EXCEPTION(EFCreateError, saveLines({ "1" }, name));
        QVERIFY(QFileInfo(name).isDir());
        QCOMPARE(entriesOf(dir.path()), QStringList { "Pimukaro.Set" });
    }

    // A disk that fills part-way: the write error, the old file whole, no temporary left.
    void saveLinesOnAFullDiskKeepsTheOldFile_data()
    {
        QTest::addColumn<qint64>("limit");
        QTest::newRow("nothing accepted") << qint64(0);
        QTest::newRow("one byte accepted") << qint64(1);
        QTest::newRow("all but the last byte") << qint64(22);
    }
    void saveLinesOnAFullDiskKeepsTheOldFile()
    {
        QFETCH(qint64, limit);
        QTemporaryDir dir;
        const QString name = dir.filePath("q_Ans.txt");
        const QByteArray old("  100  100   20\r\n   60\r\n");
        writeBytes(name, old);
        const QStringList items { "  200  200   30", "  90" }; // 17 + 6 bytes
        const Installed<FillingDisk> fullDisk(limit);
        try {
            saveLines(items, name);
            QFAIL("no error");
        } catch (const EWriteError &error) {
            QCOMPARE(error.message(), QStringLiteral("ストリームへの書き込みエラー"));
        }
        QCOMPARE(readBytes(name), old);
        QCOMPARE(entriesOf(dir.path()), QStringList { "q_Ans.txt" });
    }

    // A new file that fails to be written does not appear at all.
    void saveLinesOnAFullDiskCreatesNothing()
    {
        QTemporaryDir dir;
        const Installed<FillingDisk> fullDisk(2);
        QVERIFY_THROWS_EXCEPTION(EWriteError, saveLines({ "123" }, dir.filePath("new.txt")));
        QCOMPARE(entriesOf(dir.path()), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestLineFile)
#include "tst_linefile.moc"

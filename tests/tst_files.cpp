// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/files.h"
#include "rules/nameorder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Platform;

namespace {

void touch(const QString &fileName)
{
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

} // namespace

class TestFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_root = m_dir.path() + u'/';
        touch(m_root + "q_A.bmp");
        QVERIFY(QDir(m_root).mkdir("folder"));
    }

    // A file is anything there that is not a folder.
    void fileExistsOnlyForNonFolders_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<bool>("exists");
        QTest::newRow("file") << "q_A.bmp" << true;
        QTest::newRow("missing") << "q_B.bmp" << false;
        QTest::newRow("folder") << "folder" << false;
        QTest::newRow("folder with slash") << "folder/" << false;
    }
    void fileExistsOnlyForNonFolders()
    {
        QFETCH(QString, relative);
        QFETCH(bool, exists);
        QCOMPARE(fileExists(m_root + relative), exists);
    }

    // A folder is found with or without its trailing "/".
    void folderExistsAcceptsATrailingSlash_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<bool>("exists");
        QTest::newRow("folder") << "folder" << true;
        QTest::newRow("folder with slash") << "folder/" << true;
        QTest::newRow("file") << "q_A.bmp" << false;
        QTest::newRow("missing") << "nowhere/" << false;
    }
    void folderExistsAcceptsATrailingSlash()
    {
        QFETCH(QString, relative);
        QFETCH(bool, exists);
        QCOMPARE(folderExists(m_root + relative), exists);
    }

    // Relative names are looked up from the current directory.
    void relativeNamesStartAtTheCurrentDirectory()
    {
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir.path()));
        const bool file = fileExists("q_A.bmp");
        const bool folder = folderExists("folder/");
        const QString current = currentDirectory();
        const QString found = findCaseInsensitive(QString(), "Q_A.BMP");
        QVERIFY(QDir::setCurrent(before));
        QVERIFY(file);
        QVERIFY(folder);
        QCOMPARE(current, QDir(m_dir.path()).canonicalPath());
        QCOMPARE(found, QStringLiteral("q_A.bmp"));
    }

    // The current directory has no trailing "/", except the root.
    void currentDirectoryHasNoTrailingSlash()
    {
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent("/"));
        const QString root = currentDirectory();
        QVERIFY(QDir::setCurrent(before));
        QCOMPARE(root, QStringLiteral("/"));
        const QString here = currentDirectory();
        QVERIFY(here.startsWith(u'/'));
        QVERIFY(here == u"/" || !here.endsWith(u'/'));
    }

    // The marker, answer file and pictures are found however their names are written.
    void findCaseInsensitiveGivesTheNameOnDisk_data()
    {
        QTest::addColumn<QStringList>("onDisk");
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("found");
        QTest::newRow("exact") << QStringList { "Kioku.txt" } << "Kioku.txt"
                               << "Kioku.txt";
        QTest::newRow("lower on disk") << QStringList { "kioku.txt" } << "Kioku.txt"
                                       << "kioku.txt";
        QTest::newRow("upper on disk") << QStringList { "KIOKU.TXT" } << "Kioku.txt"
                                       << "KIOKU.TXT";
        QTest::newRow("exact preferred")
            << QStringList { "KIOKU.TXT", "Kioku.txt", "kioku.txt" } << "Kioku.txt"
            << "Kioku.txt";
        // Lower case sorts first, as in the folder listing.
        QTest::newRow("first in order") << QStringList { "q1_ANS.txt", "q1_Ans.TXT" } << "q1_ans.txt"
                                        << "q1_Ans.TXT";
        QTest::newRow("picture extension") << QStringList { "neko_A.BMP" } << "neko_A.bmp"
                                           << "neko_A.BMP";
        QTest::newRow("Japanese name") << QStringList { QStringLiteral("いぬ_Ans.TXT") }
                                       << QStringLiteral("いぬ_Ans.txt") << QStringLiteral("いぬ_Ans.TXT");
        QTest::newRow("none") << QStringList { "other.txt" } << "Kioku.txt"
                              << "";
        QTest::newRow("prefix only") << QStringList { "Kioku.txt.bak" } << "Kioku.txt"
                                     << "";
        QTest::newRow("empty name") << QStringList { "Kioku.txt" } << ""
                                    << "";
    }
    void findCaseInsensitiveGivesTheNameOnDisk()
    {
        QFETCH(QStringList, onDisk);
        QFETCH(QString, asked);
        QFETCH(QString, found);
        QTemporaryDir dir;
        for (const QString &name : onDisk)
            touch(dir.filePath(name));
        QCOMPARE(findCaseInsensitive(dir.path() + u'/', asked), found);
        QCOMPARE(findCaseInsensitive(dir.path(), asked), found);
    }

    // A folder that is not there holds nothing.
    void findCaseInsensitiveInAMissingFolderFindsNothing()
    {
        QCOMPARE(findCaseInsensitive(m_root + "nowhere/", "q_A.bmp"), QString());
    }

    // The listing holds every matching entry, in natural order.
    void listFolderMatchesAndSorts_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("numbers by value")
            << QStringList { "q10_A.bmp", "q2_A.bmp", "q1_A.bmp" } << QStringList() << "bmp"
            << QStringList { "q1_A.bmp", "q2_A.bmp", "q10_A.bmp" };
        QTest::newRow("extension case ignored")
            << QStringList { "a_A.BMP", "b_A.Bmp", "c_A.bmp" } << QStringList() << "bmp"
            << QStringList { "a_A.BMP", "b_A.Bmp", "c_A.bmp" };
        QTest::newRow("other kinds left out")
            << QStringList { "a_A.jpg", "b_A.bmp", "c_Ans.txt", "bmp", "d.bmpx" } << QStringList() << "jpg"
            << QStringList { "a_A.jpg" };
        QTest::newRow("hidden file listed") << QStringList { ".secret_A.bmp", "q_A.bmp" } << QStringList()
                                            << "bmp" << QStringList { ".secret_A.bmp", "q_A.bmp" };
        QTest::newRow("folder with a matching name")
            << QStringList { "y_A.bmp" } << QStringList { "x.bmp", "z" } << "bmp"
            << QStringList { "x.bmp", "y_A.bmp" };
        QTest::newRow("same letters, different case") << QStringList { "Q_A.bmp", "q_A.bmp" } << QStringList()
                                                      << "bmp" << QStringList { "q_A.bmp", "Q_A.bmp" };
        QTest::newRow("nothing matches")
            << QStringList { "a.txt" } << QStringList() << "bmp" << QStringList();
    }
    void listFolderMatchesAndSorts()
    {
        QFETCH(QStringList, files);
        QFETCH(QStringList, folders);
        QFETCH(QString, extension);
        QFETCH(QStringList, listed);
        QTemporaryDir dir;
        for (const QString &name : files)
            touch(dir.filePath(name));
        for (const QString &name : folders)
            QVERIFY(QDir(dir.path()).mkdir(name));
        QCOMPARE(listFolder(dir.path() + u'/', extension), listed);
    }

    // Names in the order a parent reads a list of them.
    void namesCompare_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<int>("order");
        QTest::newRow("numbers by value") << "q2" << "q10" << -1;
        QTest::newRow("number against letter") << "q9" << "qa" << -1;
        QTest::newRow("leading zeros") << "q007" << "q7" << 0;
        QTest::newRow("long numbers") << "q99999999999999999999" << "q100000000000000000000" << -1;
        QTest::newRow("full-width digits by value") << QStringLiteral("もんだい２") << QStringLiteral("もんだい１０") << -1;
        QTest::newRow("full-width beside ASCII") << QStringLiteral("ｑ2") << "q2" << 0;
        QTest::newRow("case ignored") << "Apple" << "banana" << -1;
        QTest::newRow("katakana beside hiragana") << QStringLiteral("コップ") << QStringLiteral("こっぷ") << 0;
        QTest::newRow("kana in their sounds' order") << QStringLiteral("イヌ") << QStringLiteral("うさぎ") << -1;
        QTest::newRow("voiced after plain") << QStringLiteral("かめ") << QStringLiteral("がっこう") << -1;
        QTest::newRow("Latin before kana") << "zoo" << QStringLiteral("あり") << -1;
        QTest::newRow("kana before kanji") << QStringLiteral("んー") << QStringLiteral("犬") << -1;
        QTest::newRow("shorter first") << "q" << "q_A" << -1;
        QTest::newRow("underscore before letters") << "q_A" << "qa_A" << -1;
        QTest::newRow("empty first") << "" << "a" << -1;
    }
    void namesCompare()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(int, order);
        QCOMPARE(compareNames(first, second), order);
        QCOMPARE(compareNames(second, first), -order);
        QCOMPARE(nameBefore(first, second) || nameBefore(second, first), first != second);
    }

    // Names beside each other keep one order: the plain spelling first.
    void namesBesideEachOther_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("lower case first") << "q1_Ans.TXT" << "q1_ANS.txt";
        QTest::newRow("hiragana first") << QStringLiteral("こっぷ") << QStringLiteral("コップ");
        QTest::newRow("ASCII first") << "q2" << QStringLiteral("ｑ2");
        QTest::newRow("zeros by character") << "q007" << "q7";
    }
    void namesBesideEachOther()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QVERIFY(nameBefore(first, second));
        QVERIFY(!nameBefore(second, first));
    }

    // The order does not depend on the order the names were made in.
    void listFolderOrderIsStable()
    {
        QTemporaryDir first, second;
        const QStringList names { "b10.bmp", "B2.bmp", "a.bmp", "b2.bmp", QStringLiteral("ねこ.bmp"),
            "A.bmp" };
        for (const QString &name : names)
            touch(first.filePath(name));
        for (auto it = names.crbegin(); it != names.crend(); ++it)
            touch(second.filePath(*it));
        const QStringList listed = listFolder(first.path(), "bmp");
        QCOMPARE(listed.size(), names.size());
        QCOMPARE(listFolder(second.path(), "bmp"), listed);
        QVERIFY(listed.indexOf("b2.bmp") < listed.indexOf("b10.bmp"));
        QVERIFY(listed.indexOf("B2.bmp") < listed.indexOf("b10.bmp"));
    }

    // A missing folder lists nothing, and so does a file.
    void listFolderOfNoFolderIsEmpty()
    {
        QCOMPARE(listFolder(m_root + "nowhere/", "bmp"), QStringList());
        QCOMPARE(listFolder(m_root + "q_A.bmp", "bmp"), QStringList());
    }

    // The name is what follows the last "/".
    void fileNameOfTakesTheLastPart_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("name");
        QTest::newRow("full path") << "/home/q/neko_A.bmp"
                                   << "neko_A.bmp";
        QTest::newRow("bare name") << "neko_A.bmp"
                                   << "neko_A.bmp";
        QTest::newRow("folder") << "/home/q/"
                                << "";
        QTest::newRow("colon is a letter here") << "/q/a:b.bmp"
                                                << "a:b.bmp";
        QTest::newRow("Japanese") << QStringLiteral("/サンプルもんだい/いぬ_A.jpg")
                                  << QStringLiteral("いぬ_A.jpg");
    }
    void fileNameOfTakesTheLastPart()
    {
        QFETCH(QString, path);
        QFETCH(QString, name);
        QCOMPARE(fileNameOf(path), name);
    }

    // Only a dot in the last part starts an extension.
    void removeExtensionCutsTheLastDot_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("result");
        QTest::newRow("picture") << "neko_A.bmp"
                                 << "neko_A";
        QTest::newRow("two dots") << "a.b.jpg"
                                  << "a.b";
        QTest::newRow("no dot") << "neko"
                                << "neko";
        QTest::newRow("dot in a folder") << "/q.d/neko"
                                         << "/q.d/neko";
        QTest::newRow("path with extension") << "/q.d/neko_A.jpg"
                                             << "/q.d/neko_A";
        QTest::newRow("dot first") << ".bmp"
                                   << "";
        QTest::newRow("dot last") << "neko."
                                  << "neko";
    }
    void removeExtensionCutsTheLastDot()
    {
        QFETCH(QString, name);
        QFETCH(QString, result);
        QCOMPARE(removeExtension(name), result);
    }

private:
    QTemporaryDir m_dir;
    QString m_root;
};

QTEST_GUILESS_MAIN(TestFiles)
#include "tst_files.moc"

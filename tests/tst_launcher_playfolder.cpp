// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The play folder the menu start prepares: sample folders copied whole or not
// at all, and nothing of the user's ever changed.

#include "launcher/launchtexts.h"
#include "launcher/playfolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

const QStringList samples{QStringLiteral("サンプルもんだい"), QStringLiteral("おぼえてもんだい")};

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// Every file below a folder with its bytes, by path inside the folder.
QMap<QString, QByteArray> tree(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(folder).relativeFilePath(path), readFile(path));
    }
    return files;
}

QStringList partialCopies(const QString &folder)
{
    return QDir(folder).entryList({PlayFolder::partialPrefix() + u'*'},
                                  QDir::AllEntries | QDir::Hidden | QDir::System);
}

} // namespace

class TestLauncherPlayFolder : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir *m_scratch = nullptr;
    QString m_data;
    QString m_play;

    QString home() const { return m_scratch->filePath(QStringLiteral("home")); }

private slots:
    void init()
    {
        m_scratch = new QTemporaryDir;
        m_data = m_scratch->filePath(QStringLiteral("share/pimukaro"));
        m_play = home() + QStringLiteral("/ぴむかろ");
        writeFile(m_data + QStringLiteral("/サンプルもんだい/いぬ_A.bmp"), "BMdog");
        writeFile(m_data + QStringLiteral("/サンプルもんだい/いぬ_Ans.txt"), "120  85   20   \r\n60\r\n");
        writeFile(m_data + QStringLiteral("/サンプルもんだい/おまけ/memo.txt"), "inside");
        writeFile(m_data + QStringLiteral("/おぼえてもんだい/Kioku.txt"), "");
        writeFile(m_data + QStringLiteral("/Atari.wav"), "RIFF");
        QVERIFY(QDir().mkpath(home()));
    }

    void cleanup()
    {
        delete m_scratch;
        m_scratch = nullptr;
    }

    // The first start makes the folder and copies both samples byte for byte,
    // as files the user may change.
    void firstStartCopiesTheSamplesWhole()
    {
        const mode_t before = ::umask(022);
        const auto problem = PlayFolder::prepare(m_play, m_data, samples);
        ::umask(before);
        QCOMPARE(problem, std::nullopt);
        for (const QString &sample : samples)
            QCOMPARE(tree(m_play + u'/' + sample), tree(m_data + u'/' + sample));
        QVERIFY(!QFile::exists(m_play + QStringLiteral("/Atari.wav")));
        QCOMPARE(partialCopies(m_play), QStringList());
        struct stat answers;
        QCOMPARE(::stat(QFile::encodeName(m_play + QStringLiteral("/サンプルもんだい/いぬ_Ans.txt")).constData(), &answers), 0);
        QCOMPARE(answers.st_mode & 0777, mode_t(0644));
        struct stat folder;
        QCOMPARE(::stat(QFile::encodeName(m_play + QStringLiteral("/おぼえてもんだい")).constData(), &folder), 0);
        QCOMPARE(folder.st_mode & 0777, mode_t(0755));
    }

    // A later start leaves a sample folder the user changed as it is and
    // brings back only one that is missing.
    void changedSampleFoldersStay()
    {
        QCOMPARE(PlayFolder::prepare(m_play, m_data, samples), std::nullopt);
        const QString answers = m_play + QStringLiteral("/サンプルもんだい/いぬ_Ans.txt");
        writeFile(answers, "10   10   10   \r\n30\r\n");
        QVERIFY(QFile::remove(m_play + QStringLiteral("/サンプルもんだい/いぬ_A.bmp")));
        QVERIFY(QDir(m_play + QStringLiteral("/おぼえてもんだい")).removeRecursively());
        QCOMPARE(PlayFolder::prepare(m_play, m_data, samples), std::nullopt);
        QCOMPARE(readFile(answers), QByteArray("10   10   10   \r\n30\r\n"));
        QVERIFY(!QFile::exists(m_play + QStringLiteral("/サンプルもんだい/いぬ_A.bmp")));
        QCOMPARE(tree(m_play + QStringLiteral("/おぼえてもんだい")), tree(m_data + QStringLiteral("/おぼえてもんだい")));
    }

    // Anything named like a sample folder is the user's, even a broken link.
    void anythingNamedLikeASampleIsTheUsers_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("a file") << "file";
        QTest::newRow("a link that leads nowhere") << "dangling";
        QTest::newRow("an empty folder") << "folder";
    }
    void anythingNamedLikeASampleIsTheUsers()
    {
        QFETCH(QString, kind);
        const QString mine = m_play + QStringLiteral("/サンプルもんだい");
        QVERIFY(QDir().mkpath(m_play));
        if (kind == u"file")
            writeFile(mine, "mine");
        else if (kind == u"dangling")
            QVERIFY(QFile::link(m_scratch->filePath(QStringLiteral("nowhere")), mine));
        else
            QVERIFY(QDir().mkdir(mine));
        QCOMPARE(PlayFolder::prepare(m_play, m_data, samples), std::nullopt);
        const QFileInfo after(mine);
        QCOMPARE(after.isSymLink(), kind == u"dangling");
        if (kind == u"file")
            QCOMPARE(readFile(mine), QByteArray("mine"));
        if (kind == u"folder")
            QCOMPARE(QDir(mine).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
        QCOMPARE(tree(m_play + QStringLiteral("/おぼえてもんだい")), tree(m_data + QStringLiteral("/おぼえてもんだい")));
    }

    // What stands where the play folder should be is named and left alone.
    void somethingInThePlayFoldersPlace_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("fileInTheWay");
        QTest::newRow("a file") << "file" << true;
        QTest::newRow("a link to a file") << "link to file" << true;
        QTest::newRow("a link that leads nowhere") << "dangling" << false;
    }
    void somethingInThePlayFoldersPlace()
    {
        QFETCH(QString, kind);
        QFETCH(bool, fileInTheWay);
        const QString notes = home() + QStringLiteral("/notes.txt");
        writeFile(notes, "notes");
        if (kind == u"file")
            writeFile(m_play, "a letter");
        else if (kind == u"link to file")
            QVERIFY(QFile::link(notes, m_play));
        else
            QVERIFY(QFile::link(home() + QStringLiteral("/gone"), m_play));
        const auto homeBefore = tree(home());

        const auto problem = PlayFolder::prepare(m_play, m_data, samples);
        QCOMPARE(problem, fileInTheWay ? LaunchTexts::fileInTheWay(m_play) : LaunchTexts::danglingLink(m_play));
        QCOMPARE(tree(home()), homeBefore);
        QCOMPARE(QDir(home()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System).size(),
                 2);
        QCOMPARE(QFileInfo(m_play).isSymLink(), kind != u"file");
    }

    // A link to a folder elsewhere is a play folder like any other.
    void aLinkToAFolderServes()
    {
        const QString elsewhere = m_scratch->filePath(QStringLiteral("disk/play"));
        QVERIFY(QDir().mkpath(elsewhere));
        QVERIFY(QFile::link(elsewhere, m_play));
        QCOMPARE(PlayFolder::prepare(m_play, m_data, samples), std::nullopt);
        QCOMPARE(tree(elsewhere + QStringLiteral("/サンプルもんだい")), tree(m_data + QStringLiteral("/サンプルもんだい")));
        QVERIFY(QFileInfo(m_play).isSymLink());
    }

    // Without the installed data nothing is made in the home folder.
    void missingDataIsNamedAndNothingIsMade()
    {
        QVERIFY(QDir(m_data + QStringLiteral("/おぼえてもんだい")).removeRecursively());
        QCOMPARE(PlayFolder::prepare(m_play, m_data, samples),
                 LaunchTexts::dataMissing(m_data + QStringLiteral("/おぼえてもんだい")));
        QVERIFY(!QFileInfo::exists(m_play));
    }

    // A home folder that cannot be written: said, and nothing made.
    void anUnwritableHomeIsNamed()
    {
        if (::geteuid() == 0)
            QSKIP("root writes anywhere; install.tree checks this as nobody");
        QVERIFY(QFile::setPermissions(home(), QFile::ReadOwner | QFile::ExeOwner));
        const auto problem = PlayFolder::prepare(m_play, m_data, samples);
        QFile::setPermissions(home(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(problem);
        QVERIFY(problem->startsWith(LaunchTexts::cannotMake(m_play, QString()).section(u'（', 0, 0)));
        QVERIFY(!QFileInfo::exists(m_play));
    }

    // A copy cut short by a killed start is cleared; links and the user's own
    // hidden folders are not touched.
    void partialCopiesOfAnEarlierStartAreCleared()
    {
        const QString partial = m_play + u'/' + PlayFolder::partialPrefix() + QStringLiteral("Ab12Cd");
        writeFile(partial + QStringLiteral("/いぬ_A.bmp"), "BM");
        const QString outside = m_scratch->filePath(QStringLiteral("outside"));
        writeFile(outside + QStringLiteral("/keep.txt"), "keep");
        const QString link = m_play + u'/' + PlayFolder::partialPrefix() + QStringLiteral("link");
        QVERIFY(QFile::link(outside, link));
        writeFile(m_play + QStringLiteral("/.mine/keep.txt"), "keep");

        QCOMPARE(PlayFolder::prepare(m_play, m_data, samples), std::nullopt);
        QVERIFY(!QFileInfo::exists(partial));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(readFile(outside + QStringLiteral("/keep.txt")), QByteArray("keep"));
        QCOMPARE(readFile(m_play + QStringLiteral("/.mine/keep.txt")), QByteArray("keep"));
    }

    // A sample that cannot be copied is named and leaves no half copy.
    void aFailedCopyLeavesNothingHalfDone()
    {
        QVERIFY(QFile::link(m_scratch->filePath(QStringLiteral("gone")),
                            m_data + QStringLiteral("/おぼえてもんだい/broken")));
        const auto problem = PlayFolder::prepare(m_play, m_data, samples);
        QVERIFY(problem);
        QVERIFY2(problem->startsWith(QStringLiteral("サンプルの問題を「%1/おぼえてもんだい」にコピーできません").arg(m_play)),
                 qPrintable(*problem));
        QVERIFY(!QFileInfo::exists(m_play + QStringLiteral("/おぼえてもんだい")));
        QCOMPARE(partialCopies(m_play), QStringList());
    }

    // A double double-click: every start succeeds and the folders are whole.
    void startsAtTheSameMomentLeaveWholeFolders()
    {
        for (int round = 0; round < 5; ++round) {
            QDir(home()).removeRecursively();
            QVERIFY(QDir().mkpath(home()));
            std::vector<std::optional<QString>> problems(4, QStringLiteral("not run"));
            std::vector<std::thread> starts;
            for (auto &problem : problems)
                starts.emplace_back([&] { problem = PlayFolder::prepare(m_play, m_data, samples); });
            for (auto &start : starts)
                start.join();
            for (const auto &problem : problems)
                QCOMPARE(problem, std::nullopt);
            for (const QString &sample : samples)
                QCOMPARE(tree(m_play + u'/' + sample), tree(m_data + u'/' + sample));
            QCOMPARE(partialCopies(m_play), QStringList());
        }
    }
};

QTEST_GUILESS_MAIN(TestLauncherPlayFolder)
#include "tst_launcher_playfolder.moc"

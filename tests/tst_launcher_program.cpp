// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The launcher as the menu runs it, in an installed-like tree of its own with
// a stand-in game that tells where it was started: exit statuses, the exact
// message on the standard error, and what is left in the home folder.

#include "launcher/launchtexts.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

struct Run
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

} // namespace

class TestLauncherProgram : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_tree;
    QTemporaryDir *m_home = nullptr;

    QString launcher() const { return m_tree.filePath(QStringLiteral("games/pimukaro-launcher")); }
    QString play() const { return m_home->filePath(QStringLiteral("ぴむかろ")); }

    QProcess *start(const QProcessEnvironment &environment, const QStringList &arguments = {})
    {
        auto *process = new QProcess(this);
        process->setProcessEnvironment(environment);
        process->setWorkingDirectory(m_tree.path());
        process->start(launcher(), arguments);
        return process;
    }

    static Run finish(QProcess *process)
    {
        Run run;
        if (process->waitForFinished(30000) && process->exitStatus() == QProcess::NormalExit)
            run = {process->exitCode(), process->readAllStandardOutput(), process->readAllStandardError()};
        delete process;
        return run;
    }

    // No desktop: the message goes to the standard error only.
    QProcessEnvironment plainEnvironment() const
    {
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
        environment.insert(QStringLiteral("HOME"), m_home->path());
        return environment;
    }

    static QByteArray said(const QString &problem)
    {
        return QStringLiteral("ぴむかろ: %1\n").arg(problem).toUtf8();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QDir().mkpath(m_tree.filePath(QStringLiteral("games"))));
        QVERIFY(QFile::copy(QStringLiteral(PIMUKARO_LAUNCHER), launcher()));
        // The stand-in game says where it plays and what it was given.
        writeFile(m_tree.filePath(QStringLiteral("games/pimukaro")), "#!/bin/sh\npwd\necho \"$0\" \"$@\"\n");
        QVERIFY(QFile::setPermissions(m_tree.filePath(QStringLiteral("games/pimukaro")),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        writeFile(m_tree.filePath(QStringLiteral("share/pimukaro/サンプルもんだい/いぬ_Ans.txt")), "60\r\n");
        writeFile(m_tree.filePath(QStringLiteral("share/pimukaro/おぼえてもんだい/Kioku.txt")), "");
    }

    void init() { m_home = new QTemporaryDir; }
    void cleanup()
    {
        delete m_home;
        m_home = nullptr;
    }

    // The launcher becomes the game, in the play folder, with the arguments.
    void startsTheGameInThePlayFolder()
    {
        const Run run = finish(start(plainEnvironment(), {QStringLiteral("--x")}));
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err, QByteArray());
        QCOMPARE(run.out, (play() + u'\n' + m_tree.filePath(QStringLiteral("games/pimukaro")) + QStringLiteral(" --x\n")).toUtf8());
        QVERIFY(QFileInfo::exists(play() + QStringLiteral("/サンプルもんだい/いぬ_Ans.txt")));
        QVERIFY(QFileInfo::exists(play() + QStringLiteral("/おぼえてもんだい/Kioku.txt")));
    }

    // HOME unset: the message, status 1, no game.
    void withoutHomeNothingStarts()
    {
        QProcessEnvironment environment = plainEnvironment();
        environment.remove(QStringLiteral("HOME"));
        const Run run = finish(start(environment));
        QCOMPARE(run.status, 1);
        QCOMPARE(run.out, QByteArray());
        QCOMPARE(run.err, said(LaunchTexts::noHome()));
    }

    // A file in the play folder's place: named, left alone, no game.
    void aFileInThePlayFoldersPlaceStopsTheStart()
    {
        writeFile(play(), "a letter");
        const Run run = finish(start(plainEnvironment()));
        QCOMPARE(run.status, 1);
        QCOMPARE(run.out, QByteArray());
        QCOMPARE(run.err, said(LaunchTexts::fileInTheWay(play())));
        QFile letter(play());
        QVERIFY(letter.open(QIODevice::ReadOnly));
        QCOMPARE(letter.readAll(), QByteArray("a letter"));
    }

    // A desktop that is named but cannot be reached still ends with the
    // message and status 1, never with Qt's abort.
    void anUnreachableDesktopStillEndsWithTheMessage()
    {
        writeFile(play(), "a letter");
        QProcessEnvironment environment = plainEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), QStringLiteral(":64999"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        const Run run = finish(start(environment));
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.startsWith(said(LaunchTexts::fileInTheWay(play()))), run.err.constData());
    }

    // Two starts at the same moment both become the game.
    void twoStartsAtOnceBothPlay()
    {
        QProcess *first = start(plainEnvironment());
        QProcess *second = start(plainEnvironment());
        const Run one = finish(first);
        const Run two = finish(second);
        QCOMPARE(one.status, 0);
        QCOMPARE(two.status, 0);
        QVERIFY(one.out.startsWith((play() + u'\n').toUtf8()));
        QVERIFY(two.out.startsWith((play() + u'\n').toUtf8()));
        QCOMPARE(QDir(play()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList({QStringLiteral("おぼえてもんだい"), QStringLiteral("サンプルもんだい")}));
    }
};

QTEST_GUILESS_MAIN(TestLauncherProgram)
#include "tst_launcher_program.moc"

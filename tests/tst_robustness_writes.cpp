// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The two files the game writes, the answer file and "Pimukaro.Set", on a
// disk that refuses or fails: the old file stays whole or the new one is
// whole, the error box names the fault, and the answer list keeps only its
// answer lines.

#include "support/gamefixture.h"
#include "support/questionfolder.h"
#include "support/fillingdisk.h"
#include "support/installed.h"

#include "platform/controls/listbox.h"
#include "platform/controls/mouseupbutton.h"
#include "rules/linefile.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace QuestionFolder;

namespace {
const QByteArray WorkedExample = "120  85   20   \r\n301  240  14   \r\n60\r\n";
const QString AddedLine = QStringLiteral("5    5    5    ");
const QByteArray WithAddedLine = "120  85   20   \r\n301  240  14   \r\n5    5    5    \r\n60\r\n";
const QString CannotCreate = QStringLiteral("ファイル %1 を作成できません.");
const QString WriteError = QStringLiteral("ストリームへの書き込みエラー.");

// What stands where the file is to be written.
// A link to a pipe stands for a link to any device: were the save ever to
// follow it and put a file in its place, only a scratch pipe would be lost.
enum class Obstacle { None, Folder, Fifo, LinkToNowhere, LinkToPipe };

void place(Obstacle obstacle, const QString &path)
{
    switch (obstacle) {
    case Obstacle::None:
        break;
    case Obstacle::Folder:
        QVERIFY(QDir().mkpath(path));
        break;
    case Obstacle::Fifo:
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
        break;
    case Obstacle::LinkToNowhere:
        QVERIFY(QFile::link(QFileInfo(path).path() + QStringLiteral("/nowhere/at/all"), path));
        break;
    case Obstacle::LinkToPipe:
        QCOMPARE(::mkfifo(QFile::encodeName(path + QStringLiteral(".pipe")).constData(), 0644), 0);
        QVERIFY(QFile::link(path + QStringLiteral(".pipe"), path));
        break;
    }
}

// Whether the obstacle is still there, untouched.
bool unchanged(Obstacle obstacle, const QString &path)
{
    const QFileInfo info(path);
    struct stat status;
    switch (obstacle) {
    case Obstacle::None:
        return true;
    case Obstacle::Folder:
        return info.isDir() && !info.isSymLink();
    case Obstacle::Fifo:
        return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISFIFO(status.st_mode);
    case Obstacle::LinkToNowhere:
        return info.isSymLink() && !info.exists()
            && !QFileInfo::exists(QFileInfo(path).path() + QStringLiteral("/nowhere"));
    case Obstacle::LinkToPipe:
        return info.isSymLink()
            && ::lstat(QFile::encodeName(path + QStringLiteral(".pipe")).constData(), &status) == 0
            && S_ISFIFO(status.st_mode);
    }
    return false;
}

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// Runs save in a child process that is killed once every byte is written but
// before the new file replaces the old one; check runs in the parent while
// the child is held there. Returns whether the child died of the kill.
template <typename Save, typename Check> bool killedBeforeCommit(Save save, Check check)
{
    int ready[2];
    if (::pipe(ready) != 0)
        return false;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(ready[0]);
        Installed<FillingDisk> heldDisk;
        heldDisk->setBeforeCommit([&ready] {
            const char byte = 'w';
            if (::write(ready[1], &byte, 1) == 1)
                for (;;)
                    ::pause();
        });
        try {
            save();
        } catch (...) {
        }
        ::_exit(1);
    }
    ::close(ready[1]);
    char byte = 0;
    // The child closes its end when it ends, so a save that never gets that
    // far ends this read too.
    const bool held = child > 0 && ::read(ready[0], &byte, 1) == 1;
    ::close(ready[0]);
    if (held)
        check();
    if (child > 0)
        ::kill(child, SIGKILL);
    int status = 0;
    if (child <= 0 || ::waitpid(child, &status, 0) != child)
        return false;
    return held && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}
} // namespace

Q_DECLARE_METATYPE(Obstacle)

class TestRobustnessWrites : public QObject
{
    Q_OBJECT

    std::unique_ptr<GameFixture> game;
    QString dir;

    QString answerFile() const { return dir + QStringLiteral("neko_Ans.txt"); }
    QString setFile() const { return game->playFolder() + QStringLiteral("Pimukaro.Set"); }

    // The answer-setting mode on the worked example with one answer added.
    TForm1 &editing()
    {
        TForm1 &form = game->start();
        game->click(form.B_GameStart, { 5, 5 }, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier);
        form.LB_Ans->addItem(AddedLine);
        form.AnswersDirty = true;
        return form;
    }
    QByteArray rememberedLine() const { return (dir + QStringLiteral("\r\n")).toUtf8(); }

private slots:
    void init()
    {
        game = std::make_unique<GameFixture>();
        dir = game->folder(QStringLiteral("サンプルもんだい"));
        addPictures(dir, QStringLiteral("neko"));
        writeFile(answerFile(), WorkedExample);
    }
    void cleanup()
    {
        game.reset();
    }

    // A disk that fills up anywhere in the file leaves the old answer file
    // as it was, and the next save, with room, writes one limit line only.
    void answerSaveOnAFullDisk_data()
    {
        QTest::addColumn<qint64>("room");
        QTest::newRow("no room at all") << qint64(0);
        QTest::newRow("one byte") << qint64(1);
        QTest::newRow("the first line") << qint64(17);
        QTest::newRow("all but the last byte") << qint64(WithAddedLine.size() - 1);
    }
    void answerSaveOnAFullDisk()
    {
        QFETCH(qint64, room);
        TForm1 &form = editing();
        Installed<FillingDisk> fullDisk(room);
        game->click(form.B_Save);
        QCOMPARE(game->user->errors(), QStringList { WriteError });
        QCOMPARE(readFile(answerFile()), WorkedExample);
        QCOMPARE(form.LB_Ans->items(), (QStringList { "120  85   20   ", "301  240  14   ", AddedLine }));
        QVERIFY(form.AnswersDirty);
        QCOMPARE(entriesOf(dir), (QStringList { "neko_A.bmp", "neko_Ans.txt", "neko_B.bmp" }));

        fullDisk->setRoom(-1);
        game->click(form.B_Save);
        QCOMPARE(game->user->errors().size(), 1);
        QCOMPARE(readFile(answerFile()), WithAddedLine);
        QVERIFY(!form.AnswersDirty);
    }

    // Whatever holds the answer file's name and is no plain file keeps it.
    void answerSaveOverWhatIsNoFile_data()
    {
        QTest::addColumn<Obstacle>("obstacle");
        QTest::newRow("a folder") << Obstacle::Folder;
        QTest::newRow("a pipe") << Obstacle::Fifo;
        QTest::newRow("a link to nowhere") << Obstacle::LinkToNowhere;
        QTest::newRow("a link to a pipe") << Obstacle::LinkToPipe;
    }
    void answerSaveOverWhatIsNoFile()
    {
        QFETCH(Obstacle, obstacle);
        QFile::remove(answerFile());
        place(obstacle, answerFile());
        TForm1 &form = editing();
        const int errorsBefore = int(game->user->errors().size()); // a pipe cannot even be read
        const QStringList entriesBefore = entriesOf(dir);
        game->click(form.B_Save);
        QCOMPARE(game->user->errors().mid(errorsBefore), QStringList { CannotCreate.arg(answerFile()) });
        QVERIFY(unchanged(obstacle, answerFile()));
        QCOMPARE(form.LB_Ans->items(), QStringList { AddedLine });
        QVERIFY(form.AnswersDirty);
        QCOMPARE(entriesOf(dir), entriesBefore);
    }

    // A question folder that cannot hold files: the path runs through a
    // plain file, or the folder is gone.
    void answerSaveIntoAFolderThatCannotBeWritten_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("through a plain file") << QStringLiteral("plain/");
        QTest::newRow("a folder that is gone") << QStringLiteral("gone/");
    }
    void answerSaveIntoAFolderThatCannotBeWritten()
    {
        QFETCH(QString, folder);
        writeFile(game->playFolder() + QStringLiteral("plain"), "not a folder");
        TForm1 &form = editing();
        form.QuestionDir = game->playFolder() + folder;
        game->click(form.B_Save);
        QCOMPARE(game->user->errors(),
            QStringList { CannotCreate.arg(form.QuestionDir + QStringLiteral("neko_Ans.txt")) });
        QCOMPARE(readFile(game->playFolder() + QStringLiteral("plain")), QByteArray("not a folder"));
        QCOMPARE(form.LB_Ans->count(), 3);
        QVERIFY(form.AnswersDirty);
    }

    // A save killed between writing and putting the file in place leaves the
    // old answer file whole; one that runs to its end leaves the new one.
    void answerSaveKilledBeforeCommit()
    {
        TForm1 &form = editing();
        QByteArray whileHeld;
        QVERIFY(
            killedBeforeCommit([&form] { form.B_SaveClick(); }, [&] { whileHeld = readFile(answerFile()); }));
        QCOMPARE(whileHeld, WorkedExample);
        QCOMPARE(readFile(answerFile()), WorkedExample);
        QCOMPARE(entriesOf(dir), (QStringList { "neko_A.bmp", "neko_Ans.txt", "neko_B.bmp" }));

        game->click(form.B_Save);
        QVERIFY(game->user->errors().isEmpty());
        QCOMPARE(readFile(answerFile()), WithAddedLine);
    }

    // Closing on a full disk: the old remembered folder stays, and the window
    // still closes.
    void rememberedFolderOnAFullDisk_data()
    {
        QTest::addColumn<qint64>("room"); // below 0: that many bytes short of the whole file
        QTest::newRow("no room at all") << qint64(0);
        QTest::newRow("one byte") << qint64(1);
        QTest::newRow("all but the last byte") << qint64(-1);
    }
    void rememberedFolderOnAFullDisk()
    {
        QFETCH(qint64, room);
        const QByteArray old = rememberedLine();
        writeFile(setFile(), old);
        TForm1 &form = game->start();
        const QString other = game->folder(QStringLiteral("ほかのもんだい"));
        form.LB_Set->clearItems();
        form.LB_Set->addItem(other);
        const qint64 whole = (other + QStringLiteral("\r\n")).toUtf8().size();
        const Installed<FillingDisk> fullDisk(room < 0 ? whole + room : room);
        form.close();
        QCOMPARE(game->user->errors(), QStringList { WriteError });
        QCOMPARE(readFile(setFile()), old);
        QVERIFY(!form.isVisible());
    }

    void rememberedFolderOverWhatIsNoFile_data() { answerSaveOverWhatIsNoFile_data(); }
    void rememberedFolderOverWhatIsNoFile()
    {
        QFETCH(Obstacle, obstacle);
        place(obstacle, setFile());
        TForm1 &form = game->start();
        form.LB_Set->addItem(dir);
        const int errorsBefore = int(game->user->errors().size());
        form.close();
        QCOMPARE(game->user->errors().mid(errorsBefore),
            QStringList { CannotCreate.arg(QStringLiteral("Pimukaro.Set")) });
        QVERIFY(unchanged(obstacle, setFile()));
        QVERIFY(!form.isVisible());
    }

    // The current directory has been removed while the game ran.
    void rememberedFolderInAVanishedDirectory()
    {
        const QString gone = game->folder(QStringLiteral("gone"));
        QVERIFY(QDir::setCurrent(gone));
        TForm1 &form = game->start();
        form.LB_Set->addItem(dir);
        QVERIFY(QDir(gone).removeRecursively());
        form.close();
        QCOMPARE(game->user->errors(), QStringList { CannotCreate.arg(QStringLiteral("Pimukaro.Set")) });
        QVERIFY(!QFileInfo::exists(gone));
        QVERIFY(!QFileInfo::exists(setFile()));
    }

    void rememberedFolderKilledBeforeCommit()
    {
        const QByteArray old = rememberedLine();
        writeFile(setFile(), old);
        TForm1 &form = game->start();
        const QString other = game->folder(QStringLiteral("ほかのもんだい"));
        form.LB_Set->clearItems();
        form.LB_Set->addItem(other);
        QByteArray whileHeld;
        QVERIFY(
            killedBeforeCommit([&form] { form.FormCloseQuery(); }, [&] { whileHeld = readFile(setFile()); }));
        QCOMPARE(whileHeld, old);
        QCOMPARE(readFile(setFile()), old);

        form.close();
        QVERIFY(game->user->errors().isEmpty());
        QCOMPARE(readFile(setFile()), (other + QStringLiteral("\r\n")).toUtf8());
    }
};

QTEST_MAIN(TestRobustnessWrites)
#include "tst_robustness_writes.moc"

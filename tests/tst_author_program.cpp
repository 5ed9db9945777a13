// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The author's program as a person runs it: exit statuses, and the exact
// bytes on standard output and standard error.

#include "author/finder.h"
#include "authorpairs.h"
#include "rules/answerlines.h"
#include "rules/errors.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace AuthorPairs;

namespace {

struct Run
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// Run as from a terminal without a desktop, unless told otherwise: with no
// command on a desktop, the tool opens the maker's window.
Run runTool(const QStringList &arguments, const QString &program = QStringLiteral(PIMUKARO_AUTHOR),
    const QString &display = QString())
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("DISPLAY"));
    if (!display.isEmpty())
        environment.insert(QStringLiteral("DISPLAY"), display);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

} // namespace

class TestAuthorProgram : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_folder = m_dir.path() + QLatin1Char('/');
        writePair(m_folder, QStringLiteral("q"), scene(), withDisc(scene(), {200, 150}, 16, Qt::red), Kind::Jpeg);
    }

    // A usage error: status 2, the reason and the usage text on standard
    // error, nothing on standard output.
    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("reason");
        QTest::newRow("nothing") << QStringList {} << "コマンドを指定してください。";
        QTest::newRow("unknown command") << QStringList {"fix"} << "fix というコマンドはありません。";
        QTest::newRow("unknown option") << QStringList {"propose", "f/q", "--bmp"} << "--bmp というオプションはありません。";
        QTest::newRow("limit not a time choice")
            << QStringList {"propose", "f/q", "--limit", "45"}
            << "--limit には選べる時間（30, 40, 50, 60, 70, 80, 90, 100, 110, 120, 180, 240, 300）のどれかを秒で付けてください。";
        QTest::newRow("limit missing") << QStringList {"make", "f/q", "a", "b", "--limit"}
                                       << "--limit には選べる時間（30, 40, 50, 60, 70, 80, 90, 100, 110, 120, 180, 240, 300）のどれかを秒で付けてください。";
        QTest::newRow("propose without a name") << QStringList {"propose", "f/"}
                                                << "propose には フォルダ/名前 を 1 つ指定してください。";
        QTest::newRow("make without a photo") << QStringList {"make", "f/q"}
                                              << "make には フォルダ/名前 と写真（1 枚か 2 枚）を指定してください。";
        QTest::newRow("make with three photos") << QStringList {"make", "f/q", "a.jpg", "b.jpg", "c.jpg"}
                                                << "make には フォルダ/名前 と写真（1 枚か 2 枚）を指定してください。";
        QTest::newRow("square not three numbers") << QStringList {"make", "f/q", "a", "b", "--square", "1,2"}
                                                  << "--square には写真 A の四角を X,Y,辺の長さ（ピクセル）で付けてください。例: --square 600,200,1500";
        QTest::newRow("square of side 0") << QStringList {"make", "f/q", "a", "b", "--square", "1,2,0"}
                                          << "--square には写真 A の四角を X,Y,辺の長さ（ピクセル）で付けてください。例: --square 600,200,1500";
        QTest::newRow("square beyond any photo") << QStringList {"make", "f/q", "a", "b", "--square", "2000000000,0,2000000000"}
                                                 << "--square には写真 A の四角を X,Y,辺の長さ（ピクセル）で付けてください。例: --square 600,200,1500";
        QTest::newRow("square missing") << QStringList {"make", "f/q", "a", "b", "--square"}
                                        << "--square には写真 A の四角を X,Y,辺の長さ（ピクセル）で付けてください。例: --square 600,200,1500";
        QTest::newRow("check without a folder") << QStringList {"check"} << "check には調べるフォルダを指定してください。";
    }
    void usageErrors()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, reason);
        const Run run = runTool(arguments);
        QCOMPARE(run.status, 2);
        QCOMPARE(run.out, QByteArray());
        const QString err = QString::fromUtf8(run.err);
        QCOMPARE(err.section(QLatin1Char('\n'), 0, 0), QStringLiteral("pimukaro-author: ") + reason);
        QCOMPARE(err.section(QLatin1Char('\n'), 1, 1), QStringLiteral("使い方:"));
    }

    // propose prints the answer file byte for byte, and writes nothing.
    void proposePrintsTheAnswerFile()
    {
        const Run run = runTool({QStringLiteral("propose"), m_folder + QStringLiteral("q"), QStringLiteral("--limit"),
            QStringLiteral("120")});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err, QStringLiteral("q: 違いを 1 か所見つけました。\n").toUtf8());
        QCOMPARE(run.out.size(), 15 + 2 + 3 + 2);
        QVERIFY(run.out.endsWith("   \r\n120\r\n"));
        qint32 x, y, r;
        ParseAnswerLine(QString::fromLatin1(run.out.left(15)), x, y, r);
        QVERIFY(Author::hits({x, y, r}, 200, 150));
        QVERIFY(!QFile::exists(m_folder + QStringLiteral("q_Ans.txt")));
    }

    // Work that cannot be done: status 1, a message naming the question with
    // the game's own error text, nothing on standard output.
    void proposeOnAMissingQuestion()
    {
        const Run run = runTool({QStringLiteral("propose"), m_folder + QStringLiteral("none")});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.out, QByteArray());
        QCOMPARE(QString::fromUtf8(run.err),
            QStringLiteral("none: 絵を読み込めません。ゲームでは「%1」と出ます。\n")
                .arg(Errors::boxText(Errors::cannotOpen(m_folder + QStringLiteral("none_A.jpg")))));
    }

    // check: status 1 while a problem remains, 0 once it is mended.
    void checkStatus()
    {
        Run run = runTool({QStringLiteral("check"), m_folder});
        QCOMPARE(run.status, 1);
        QCOMPARE(QString::fromUtf8(run.out),
            QStringLiteral("q: 答えファイル q_Ans.txt がありません。隠しモードで答えを付けるか、propose で作ってください。\n"));
        QCOMPARE(runTool({QStringLiteral("propose"), m_folder + QStringLiteral("q"), QStringLiteral("--write")}).status, 0);
        run = runTool({QStringLiteral("check"), m_folder});
        QCOMPARE(run.status, 0);
        QCOMPARE(QString::fromUtf8(run.out), m_folder + QStringLiteral(": 遊ぶのに困るところはありません。\n"));
        QCOMPARE(run.err, QByteArray());
        QFile::remove(m_folder + QStringLiteral("q_Ans.txt"));
    }

    // make with a photo that is not there: status 1 and nothing written.
    void makeWithAMissingPhoto()
    {
        const auto before = snapshot(m_folder);
        const Run run = runTool({QStringLiteral("make"), m_folder + QStringLiteral("new"), m_folder + QStringLiteral("q_A.jpg"),
            m_folder + QStringLiteral("gone.jpg")});
        QCOMPARE(run.status, 1);
        QCOMPARE(QString::fromUtf8(run.err), QStringLiteral("new: 写真 %1gone.jpg がありません。\n").arg(m_folder));
        QCOMPARE(snapshot(m_folder), before);
    }

    // A square beyond photo A is a usage error (status 2), and nothing is written.
    void squareBeyondThePhoto()
    {
        const QString photo = m_folder + QStringLiteral("photo.png");
        QVERIFY(scene(400).copy(0, 0, 400, 300).save(photo));
        const auto before = snapshot(m_folder);
        const Run run = runTool({QStringLiteral("make"), m_folder + QStringLiteral("sq"), photo, photo,
            QStringLiteral("--square"), QStringLiteral("200,0,301")});
        QCOMPARE(run.status, 2);
        QCOMPARE(QString::fromUtf8(run.err), QStringLiteral("sq: --square 200,0,301 は写真 A（400 x 300）からはみ出します。\n"));
        QCOMPARE(snapshot(m_folder), before);
        QFile::remove(photo);
    }

    // What Qt's image readers say to themselves (here libpng about a broken
    // colour profile) never reaches the person: only the tool's own lines.
    void imageReaderChatterKeptQuiet()
    {
        const QString photo = m_folder + QStringLiteral("profile.png");
        writeFile(photo, pngWithBrokenProfile());
        const Run run = runTool({QStringLiteral("make"), m_folder + QStringLiteral("quiet"), photo, photo});
        QCOMPARE(run.status, 1);
        const QStringList lines = QString::fromUtf8(run.err).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY(!lines.isEmpty());
        for (const QString &line : lines)
            QVERIFY2(line.startsWith(QStringLiteral("quiet: ")), qPrintable(line));
        QFile::remove(photo);
    }

    // No command on a desktop opens the window: the program beside the tool
    // (here a stand-in that says it ran); a command still runs as a command.
    void noCommandOnADesktopOpensTheWindow()
    {
        QTemporaryDir games;
        const QString tool = games.filePath(QStringLiteral("pimukaro-author"));
        QVERIFY(QFile::copy(QStringLiteral(PIMUKARO_AUTHOR), tool));
        const QString maker = games.filePath(QStringLiteral("pimukaro-maker"));
        writeFile(maker, "#!/bin/sh\necho \"window $DISPLAY $#\"\n");
        QVERIFY(QFile::setPermissions(maker, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const Run window = runTool({}, tool, QStringLiteral(":99"));
        QCOMPARE(window.status, 0);
        QCOMPARE(window.out, QByteArray("window :99 0\n"));
        const Run command = runTool({QStringLiteral("check"), m_folder}, tool, QStringLiteral(":99"));
        QVERIFY(!command.out.contains("window"));
        QCOMPARE(command.status, runTool({QStringLiteral("check"), m_folder}).status);
        // Without the window's program, the usage text as without a desktop.
        QVERIFY(QFile::remove(maker));
        const Run usage = runTool({}, tool, QStringLiteral(":99"));
        QCOMPARE(usage.status, 2);
        QVERIFY(usage.err.contains("コマンドを指定してください。"));
    }

private:
    // A small PNG whose iCCP chunk holds a profile too short to be one.
    static QByteArray pngWithBrokenProfile()
    {
        const auto chunk = [](const QByteArray &type, const QByteArray &data) {
            QByteArray out;
            const auto be32 = [&out](quint32 v) {
                for (int shift = 24; shift >= 0; shift -= 8)
                    out.append(char((v >> shift) & 0xff));
            };
            be32(quint32(data.size()));
            out += type + data;
            const QByteArray crcd = type + data;
            quint32 crc = 0xffffffffu;
            for (char c : crcd) {
                crc ^= quint8(c);
                for (int k = 0; k < 8; ++k)
                    crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
            }
            be32(~crc);
            return out;
        };
        QByteArray header("\x00\x00\x00\x08\x00\x00\x00\x08\x08\x02\x00\x00\x00", 13);
        QByteArray rows;
        for (int y = 0; y < 8; ++y) {
            rows.append('\0');
            for (int x = 0; x < 8; ++x)
                rows.append(char(100)).append(char(150)).append(char(200));
        }
        QByteArray profile(300, '\0');
        profile[2] = char(0x01);
        profile[3] = char(0x2c);
        // zlib streams without the 4-byte length qCompress puts first.
        return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header)
            + chunk("iCCP", QByteArray("ICC Profile\0\0", 13) + qCompress(profile).mid(4))
            + chunk("IDAT", qCompress(rows).mid(4)) + chunk("IEND", QByteArray());
    }

    QTemporaryDir m_dir;
    QString m_folder;
};

QTEST_MAIN(TestAuthorProgram)
#include "tst_author_program.moc"

// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The benchmark's own machinery: how a figure is printed and judged against
// its budget, and how a probe process is run and its failures reported.

#include "bench/benchclock.h"
#include "recordinguser.h"
#include "bench/budgets.h"
#include "bench/childprocess.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestBenchSupport : public QObject
{
    Q_OBJECT

private slots:
    // A figure is judged as the table prints it: what reads as the budget is within it.
    void verdictJudgesTheFigureAsPrinted_data()
    {
        QTest::addColumn<double>("limit");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("well within") << 5.0 << 2 << 4.88 << "4.88 ms"
                                     << "ok";
        QTest::newRow("reads as the budget") << 5.0 << 2 << 5.004 << "5.00 ms"
                                             << "ok";
        QTest::newRow("just over") << 5.0 << 2 << 5.006 << "5.01 ms"
                                   << "OVER";
        QTest::newRow("zero within measurement") << 0.0 << 2 << 0.0049 << "0.00 ms"
                                                 << "ok";
        QTest::newRow("zero, but measurable") << 0.0 << 2 << 0.006 << "0.01 ms"
                                              << "OVER";
        QTest::newRow("one decimal") << 50.0 << 1 << 43.02 << "43.0 ms"
                                     << "ok";
        QTest::newRow("no budget") << -1.0 << 1 << 1234.5 << "1234.5 ms"
                                   << "";
    }

    void verdictJudgesTheFigureAsPrinted()
    {
        QFETCH(double, limit);
        QFETCH(int, decimals);
        QFETCH(double, value);
        QFETCH(QString, shown);
        QFETCH(QString, verdict);
        const Budget budget { "BM_Example", "", "an example", "ms", limit, decimals };
        QCOMPARE(QString::fromStdString(shownFigure(budget, value)), shown);
        QCOMPARE(QString::fromStdString(::verdict(budget, value)), verdict);
    }

    // Every budget the table states, beside the figure it limits.
    void tableStatesEveryBudget_data()
    {
        QTest::addColumn<QString>("benchmark");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<double>("limit");
        QTest::newRow("start-up") << "BM_StartUp"
                                  << "ms" << 60.0;
        QTest::newRow("JPEG question") << "BM_LoadJpegQuestion"
                                       << "ms" << 5.0;
        QTest::newRow("bitmap question") << "BM_LoadBitmapQuestion"
                                         << "ms" << 2.0;
        QTest::newRow("99 questions listed") << "BM_ScanQuestions99"
                                             << "ms" << 10.0;
        QTest::newRow("click to ring") << "BM_ClickToRing"
                                       << "ms" << 4.0;
        QTest::newRow("Pause") << "BM_PauseCpu"
                               << "%" << 3.0;
        QTest::newRow("idle title at start") << "BM_IdleTitleAtStartCpu"
                                             << "%" << 0.0;
        QTest::newRow("idle title after a question") << "BM_IdleTitleAfterQuestionCpu"
                                                     << "%" << 0.0;
        QTest::newRow("peak memory") << "BM_PlayThroughMemory"
                                     << "MB" << 50.0;
        QTest::newRow("author: propose") << "BM_AuthorPropose"
                                         << "ms" << 20.0;
        QTest::newRow("author: check of the sample folder") << "BM_AuthorCheckSample"
                                                            << "ms" << 300.0;
        QTest::newRow("author: make from 12-megapixel photos") << "BM_AuthorMake12Mp"
                                                               << "ms" << 1000.0;
        QTest::newRow("author: make from 48-megapixel photos") << "BM_AuthorMake48Mp"
                                                               << "ms" << 3000.0;
    }

    void tableStatesEveryBudget()
    {
        QFETCH(QString, benchmark);
        QFETCH(QString, unit);
        QFETCH(double, limit);
        int rows = 0;
        for (const Budget &budget : budgets()) {
            if (budget.benchmark != benchmark.toStdString() || budget.limit < 0 || !budget.floor.empty())
                continue;
            ++rows;
            QCOMPARE(QString::fromStdString(budget.unit), unit);
            QCOMPARE(budget.limit, limit);
        }
        QCOMPARE(rows, 1);
    }

    // Start-up and every loading figure are also judged against their floors
    // from the same run.
    void loadingFiguresHaveFloors_data()
    {
        QTest::addColumn<QString>("benchmark");
        QTest::addColumn<QString>("floor");
        QTest::newRow("start-up") << "BM_StartUp" << "BM_StartUpFloor";
        QTest::newRow("JPEG") << "BM_LoadJpegQuestion" << "BM_LoadJpegFloor";
        QTest::newRow("progressive JPEG") << "BM_LoadProgressiveJpegQuestion" << "BM_LoadProgressiveJpegFloor";
        QTest::newRow("bitmap") << "BM_LoadBitmapQuestion" << "BM_LoadBitmapFloor";
    }
    void loadingFiguresHaveFloors()
    {
        QFETCH(QString, benchmark);
        QFETCH(QString, floor);
        bool floorShown = false, ratioJudged = false;
        for (const Budget &budget : budgets()) {
            floorShown = floorShown
                || (budget.benchmark == floor.toStdString() && budget.counter.empty() && budget.limit < 0);
            if (budget.benchmark == benchmark.toStdString() && budget.floor == floor.toStdString()
                && budget.counter.empty()) {
                ratioJudged = true;
                QCOMPARE(QString::fromStdString(budget.unit), QStringLiteral("x"));
                QCOMPARE(budget.limit, 1.5);
            }
        }
        QVERIFY(floorShown);
        QVERIFY(ratioJudged);
    }

    // The game's settled memory is judged by how much it holds beyond the bare
    // window's, both read the same way in the same run.
    void residentMemoryJudgedAgainstItsFloor()
    {
        int rows = 0;
        for (const Budget &budget : budgets()) {
            if (budget.counter != "resident_MB" || budget.floor.empty())
                continue;
            ++rows;
            QCOMPARE(QString::fromStdString(budget.benchmark), QStringLiteral("BM_StartUp"));
            QCOMPARE(QString::fromStdString(budget.floor), QStringLiteral("BM_StartUpFloor"));
            QVERIFY(budget.difference);
            QCOMPARE(QString::fromStdString(budget.unit), QStringLiteral("MB"));
            QCOMPARE(budget.limit, 6.0);
        }
        QCOMPARE(rows, 1);
    }

    // The child runs in the folder it is given and its output comes back whole.
    void childRunsInItsFolder()
    {
        QTemporaryDir dir;
        const std::int64_t before = BenchClock::monotonicNs();
        const ChildRun run = runChild(
            QStringLiteral("/bin/sh"), { QStringLiteral("-c"), QStringLiteral("pwd") }, dir.path());
        QCOMPARE(run.failure, QString());
        QCOMPARE(QDir(QString::fromLocal8Bit(run.output.trimmed())).canonicalPath(),
            QDir(dir.path()).canonicalPath());
        QVERIFY(run.spawnedNs >= before);
        QVERIFY(run.spawnedNs <= BenchClock::monotonicNs());
    }

    // A child that fails says how, so the bench reports it instead of a figure.
    void childFailuresAreReported_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QByteArray>("output");
        QTest::newRow("exit code") << "/bin/sh"
                                   << "echo half; exit 3"
                                   << "/bin/sh exited with 3" << QByteArray("half\n");
        QTest::newRow("signal") << "/bin/sh"
                                << "kill -9 $$"
                                << "/bin/sh was killed by signal 9" << QByteArray();
        QTest::newRow("no such program")
            << "/nonexistent/probe"
            << ""
            << "cannot start /nonexistent/probe: No such file or directory" << QByteArray();
    }

    void childFailuresAreReported()
    {
        QFETCH(QString, program);
        QFETCH(QString, script);
        QFETCH(QString, failure);
        QFETCH(QByteArray, output);
        const ChildRun run = runChild(program, { QStringLiteral("-c"), script }, QDir::tempPath());
        QCOMPARE(run.failure, failure);
        QCOMPARE(run.output, output);
    }

    // No dialog may block a measurement: each is answered at once and kept.
    void benchUserAnswersAndKeepsEveryText()
    {
        RecordingUser user;
        QCOMPARE(user.ask(QStringLiteral("解答データを保存しますか？")), int(Platform::IdNo));
        user.error(QStringLiteral("ファイル x は開けません."));
        QCOMPARE(user.chooseFolder(QStringLiteral("もんだいをえらんでください"), QString(), QString()),
            std::nullopt);
        QCOMPARE(user.shown(),
            QStringList({ QStringLiteral("解答データを保存しますか？"),
                QStringLiteral("ファイル x は開けません."), QStringLiteral("もんだいをえらんでください") }));
        user.clear();
        QVERIFY(user.shown().isEmpty());
    }
};

QTEST_MAIN(TestBenchSupport)
#include "tst_benchsupport.moc"

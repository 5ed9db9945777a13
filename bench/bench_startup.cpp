// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up, from a new process to the title screen painted for the first
// time, and the resident memory once it has settled; beside it, in the same
// run and timed the same way, a bare window with the same controls.

#include "bench/benchgame.h"
#include "bench/childprocess.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

void startProgram(benchmark::State &state, const char *program)
{
    const QString path = QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(program);
    double mainToPaintMs = 0;
    double shownMs = 0;
    double residentMB = 0;
    for (auto _ : state) {
        const ChildRun run = runChild(path, { QStringLiteral("startup") }, BenchGame::instance().playFolder());
        const QList<QByteArray> words = run.output.trimmed().split(' ');
        if (!run.failure.isEmpty() || words.size() != 5 || words[0] != "painted") {
            state.SkipWithError(qPrintable(run.failure.isEmpty()
                    ? QStringLiteral("%1 said: %2").arg(QLatin1String(program), QString::fromUtf8(run.output))
                    : run.failure));
            break;
        }
        const qint64 mainStarted = words[1].toLongLong();
        const qint64 shown = words[2].toLongLong();
        const qint64 painted = words[3].toLongLong();
        state.SetIterationTime(double(painted - run.spawnedNs) / 1e9);
        mainToPaintMs += double(painted - mainStarted) / 1e6;
        shownMs += double(shown - run.spawnedNs) / 1e6;
        residentMB += double(words[4].toLongLong()) * 1024 / 1e6;
    }
    state.counters["main_to_paint_ms"] = benchmark::Counter(mainToPaintMs, benchmark::Counter::kAvgIterations);
    state.counters["shown_ms"] = benchmark::Counter(shownMs, benchmark::Counter::kAvgIterations);
    state.counters["resident_MB"] = benchmark::Counter(residentMB, benchmark::Counter::kAvgIterations);
}

void BM_StartUp(benchmark::State &state)
{
    startProgram(state, "pimukaro-bench-probe");
}

void BM_StartUpFloor(benchmark::State &state)
{
    startProgram(state, "pimukaro-bench-floor");
}

} // namespace

BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_StartUpFloor)->Unit(benchmark::kMillisecond)->UseManualTime();

// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up, from a new process to the title screen painted for the first time.

#include "bench/benchgame.h"
#include "bench/childprocess.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

void BM_StartUp(benchmark::State &state)
{
    const QString probe = QCoreApplication::applicationDirPath() + QStringLiteral("/pimukaro-bench-probe");
    double mainToPaintMs = 0;
    for (auto _ : state) {
        const ChildRun run
            = runChild(probe, { QStringLiteral("startup") }, BenchGame::instance().playFolder());
        const QList<QByteArray> words = run.output.trimmed().split(' ');
        if (!run.failure.isEmpty() || words.size() != 3 || words[0] != "painted") {
            state.SkipWithError(qPrintable(run.failure.isEmpty()
                    ? QStringLiteral("the probe said: ") + QString::fromUtf8(run.output)
                    : run.failure));
            break;
        }
        const qint64 mainStarted = words[1].toLongLong();
        const qint64 painted = words[2].toLongLong();
        state.SetIterationTime(double(painted - run.spawnedNs) / 1e9);
        mainToPaintMs += double(painted - mainStarted) / 1e6;
    }
    state.counters["main_to_paint_ms"]
        = benchmark::Counter(mainToPaintMs, benchmark::Counter::kAvgIterations);
}

} // namespace

BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond)->UseManualTime();

// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Peak resident memory of a game that has played the whole sample folder, in
// a process of its own so nothing else the bench did counts.

#include "bench/benchclock.h"
#include "bench/benchgame.h"
#include "bench/childprocess.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

void BM_PlayThroughMemory(benchmark::State &state)
{
    const QString probe = QCoreApplication::applicationDirPath() + QStringLiteral("/pimukaro-bench-probe");
    double peakMB = 0;
    double answers = 0;
    for (auto _ : state) {
        const ChildRun run
            = runChild(probe, { QStringLiteral("playthrough") }, BenchGame::instance().playFolder());
        const std::int64_t ended = BenchClock::monotonicNs();
        const QList<QByteArray> words = run.output.trimmed().split(' ');
        const long peakKb = words.value(3).toLong();
        if (!run.failure.isEmpty() || words.size() != 4 || words[0] != "played" || words[1].toInt() == 0
            || peakKb <= 0) {
            state.SkipWithError(qPrintable(run.failure.isEmpty()
                    ? QStringLiteral("the probe said: ") + QString::fromUtf8(run.output)
                    : run.failure));
            break;
        }
        state.SetIterationTime(double(ended - run.spawnedNs) / 1e9);
        peakMB = double(peakKb) * 1024 / 1e6;
        answers = words[2].toDouble();
    }
    state.counters["peak_MB"] = peakMB;
    state.counters["answers"] = answers;
}

} // namespace

BENCHMARK(BM_PlayThroughMemory)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);

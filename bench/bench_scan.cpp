// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Listing a folder of 99 questions into the catalogue.

#include "bench/benchgame.h"
#include "bench/scratchplay.h"
#include "form/Pimukaro_Main.h"
#include "platform/guard.h"

#include <benchmark/benchmark.h>
#include <chrono>

namespace {

void BM_ScanQuestions99(benchmark::State &state)
{
    BenchGame &bench = BenchGame::instance();
    TForm1 &game = bench.form();
    bench.useFolder(ScratchPlay::hundredFolder);
    bench.takeProblem();

    for (auto _ : state) {
        const auto started = std::chrono::steady_clock::now();
        Platform::guarded([&game] { game.ScanQuestions(); });
        const auto listed = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(listed - started).count());

        const QString problem = bench.takeProblem();
        if (!problem.isEmpty() || game.QuestionTotal != ScratchPlay::hundredCount) {
            state.SkipWithError(qPrintable(QStringLiteral("%1 questions listed, not %2 %3")
                                               .arg(game.QuestionTotal)
                                               .arg(ScratchPlay::hundredCount)
                                               .arg(problem)));
            break;
        }
    }
}

} // namespace

BENCHMARK(BM_ScanQuestions99)->Unit(benchmark::kMillisecond)->UseManualTime();

// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Loading a question with CB_QChange: both pictures read, the overlay wiped,
// the answer file read, and the window drawn with the new pictures (a JPEG's
// pixels are decoded by that first drawing). The drawing is what the event
// loop does next: Qt paints the parts of the window the load changed.

#include "bench/benchgame.h"
#include "bench/scratchplay.h"
#include "form/Pimukaro_Main.h"
#include "platform/controls/bevelpanel.h"
#include "platform/controls/imageview.h"
#include "platform/guard.h"

#include <QCoreApplication>
#include <QEvent>

#include <benchmark/benchmark.h>
#include <chrono>

namespace {

void loadQuestion(benchmark::State &state, const QString &question)
{
    BenchGame &bench = BenchGame::instance();
    TForm1 &game = bench.form();
    bench.useFolder(ScratchPlay::loadingFolder);
    if (!bench.select(question)) {
        state.SkipWithError("the question is not listed");
        return;
    }
    // The pictures as the player sees them while playing.
    game.GameState = gsTitle;
    game.P_Title->hide();
    bench.takeProblem();

    double drawingMs = 0;
    for (auto _ : state) {
        const auto started = std::chrono::steady_clock::now();
        Platform::guarded([&game] { game.CB_QChange(); });
        const auto loaded = std::chrono::steady_clock::now();
        QCoreApplication::sendPostedEvents(&game, QEvent::UpdateRequest);
        const auto drawn = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(drawn - started).count());
        drawingMs += std::chrono::duration<double, std::milli>(drawn - loaded).count();

        const QString problem = bench.takeProblem();
        if (!problem.isEmpty() || game.QuestionName != question || !game.Img_A->hasPicture()
            || !game.Img_B->hasPicture() || game.AnswerCount == 0) {
            state.SkipWithError(qPrintable(QStringLiteral("the question did not load: ") + problem));
            break;
        }
    }
    state.counters["drawing_ms"] = benchmark::Counter(drawingMs, benchmark::Counter::kAvgIterations);
}

void BM_LoadJpegQuestion(benchmark::State &state)
{
    loadQuestion(state, ScratchPlay::jpegQuestion);
}

void BM_LoadProgressiveJpegQuestion(benchmark::State &state)
{
    loadQuestion(state, ScratchPlay::progressiveQuestion);
}

void BM_LoadBitmapQuestion(benchmark::State &state)
{
    loadQuestion(state, ScratchPlay::bitmapQuestion);
}

} // namespace

BENCHMARK(BM_LoadJpegQuestion)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_LoadProgressiveJpegQuestion)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_LoadBitmapQuestion)->Unit(benchmark::kMillisecond)->UseManualTime();

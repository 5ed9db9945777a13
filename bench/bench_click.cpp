// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A click on a difference of picture B, from the mouse press to the window
// repainted with the new ring: the hit test, the mark, the repaint and the
// sound (recorded instead of played).

#include "bench/benchgame.h"
#include "bench/mouse.h"
#include "bench/scratchplay.h"
#include "form/Pimukaro_Main.h"
#include "platform/controls/bevelpanel.h"
#include "platform/controls/imageview.h"
#include "platform/dispatch.h"
#include "platform/guard.h"

#include <benchmark/benchmark.h>
#include <chrono>

namespace {

void BM_ClickToRing(benchmark::State &state)
{
    BenchGame &bench = BenchGame::instance();
    TForm1 &game = bench.form();
    bench.useFolder(ScratchPlay::loadingFolder);
    if (!bench.select(ScratchPlay::bitmapQuestion)) {
        state.SkipWithError("the question is not listed");
        return;
    }
    game.GameState = gsTitle;
    Platform::guarded([&game] { game.CB_QChange(); });
    game.P_Title->hide();
    game.repaint();
    Platform::dispatchPending();
    // One answer found leaves the question in play, so every click is the same.
    if (game.AnswerCount < 2) {
        state.SkipWithError(qPrintable(QStringLiteral("the question did not load: ") + bench.takeProblem()));
        return;
    }
    const QPoint target(game.Answers[1].X, game.Answers[1].Y);

    for (auto _ : state) {
        game.ClearOverlay();
        for (int b = 1; b <= game.AnswerCount; ++b)
            game.Answers[b].Found = 0;
        game.FoundCount = 0;
        game.MissCount = 0;
        game.GameState = gsPlaying;
        bench.speaker->clear();

        const auto pressed = std::chrono::steady_clock::now();
        BenchMouse::click(game.Img_Ans, target);
        const auto painted = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(painted - pressed).count());

        const QString problem = bench.takeProblem();
        if (!problem.isEmpty() || game.FoundCount != 1 || game.Answers[1].Found != 1
            || bench.speaker->played() != QStringList { QStringLiteral("Atari.wav") }) {
            state.SkipWithError(qPrintable(QStringLiteral("the click did not hit: ") + problem));
            break;
        }
    }
}

} // namespace

BENCHMARK(BM_ClickToRing)->Unit(benchmark::kMillisecond)->UseManualTime();

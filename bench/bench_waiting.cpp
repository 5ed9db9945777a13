// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Processor time while the game waits: inside Pause, and with the title
// screen standing idle in the event loop.

#include "bench/benchclock.h"
#include "bench/benchgame.h"
#include "form/Pimukaro_Main.h"
#include "platform/controls/bevelpanel.h"
#include "platform/dispatch.h"
#include "platform/guard.h"

#include <QEventLoop>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace {

constexpr int PauseMs = 3500;
constexpr int IdleMs = 3000;

// Runs wait once per iteration; the figure is processor time over wall time,
// in percent of one core.
template <class Wait> void measureCpu(benchmark::State &state, Wait wait)
{
    double cpuNs = 0;
    double wallNs = 0;
    for (auto _ : state) {
        const std::int64_t cpuBefore = BenchClock::processCpuNs();
        const std::int64_t wallBefore = BenchClock::monotonicNs();
        wait();
        const std::int64_t wallAfter = BenchClock::monotonicNs();
        const std::int64_t cpuAfter = BenchClock::processCpuNs();
        cpuNs += double(cpuAfter - cpuBefore);
        wallNs += double(wallAfter - wallBefore);
        state.SetIterationTime(double(wallAfter - wallBefore) / 1e9);
    }
    state.counters["cpu_percent"] = wallNs > 0 ? 100 * cpuNs / wallNs : 0;
    const QString problem = BenchGame::instance().takeProblem();
    if (!problem.isEmpty())
        state.SkipWithError(qPrintable(problem));
}

void BM_PauseCpu(benchmark::State &state)
{
    TForm1 &game = BenchGame::instance().form();
    Platform::guarded([&game] { game.ShowTitle(); });
    Platform::dispatchPending();
    measureCpu(state, [&game] { game.Pause(PauseMs); });
}

// The title screen standing in the event loop, nothing to do.
void idleAtTitle(benchmark::State &state, TForm1 &game)
{
    Platform::guarded([&game] { game.ShowTitle(); });
    game.repaint();
    Platform::dispatchPending();
    if (!game.P_Title->isVisible()) {
        state.SkipWithError("the title screen is not showing");
        return;
    }
    measureCpu(state, [] {
        QEventLoop loop;
        QTimer::singleShot(IdleMs, &loop, &QEventLoop::quit);
        loop.exec();
    });
}

void BM_IdleTitleAtStartCpu(benchmark::State &state)
{
    idleAtTitle(state, BenchGame::instance().freshForm());
}

// Back at the title after a question: the title panel was hidden while it was
// played, which moves the keyboard focus on from the start button.
void BM_IdleTitleAfterQuestionCpu(benchmark::State &state)
{
    TForm1 &game = BenchGame::instance().freshForm();
    game.P_Title->hide();
    Platform::dispatchPending();
    idleAtTitle(state, game);
}

} // namespace

BENCHMARK(BM_PauseCpu)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);
BENCHMARK(BM_IdleTitleAtStartCpu)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);
BENCHMARK(BM_IdleTitleAfterQuestionCpu)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);

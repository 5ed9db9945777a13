// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The benchmark program: times the game's own code paths on Qt's offscreen
// platform and prints each figure beside its budget. Takes Google Benchmark's
// flags, e.g. --benchmark_repetitions=5 or --benchmark_filter=Load.

#include "bench/benchgame.h"
#include "bench/budgets.h"
#include "bench/scratchplay.h"
#include "form/startup.h"
#include "tools/asseterror.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <cstdio>

int main(int argc, char *argv[])
{
    // The probe processes inherit this, so every figure comes from the same platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // As the game does: its figures depend on it.
    prepareGameProcess();
    QApplication app(argc, argv);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;

    QTemporaryDir play;
    if (!play.isValid()) {
        std::fprintf(
            stderr, "pimukaro-bench: cannot make a temporary folder: %s\n", qPrintable(play.errorString()));
        return 1;
    }
    try {
        ScratchPlay::write(play.path());
    } catch (const AssetError &error) {
        std::fprintf(stderr, "pimukaro-bench: cannot lay out the play folder: %s\n", error.what());
        return 1;
    }

    bool failed = false;
    {
        BenchGame game(play.path() + QLatin1Char('/'));
        BudgetReporter reporter;
        benchmark::RunSpecifiedBenchmarks(&reporter);
        failed = reporter.failed();
    }
    benchmark::Shutdown();
    return failed ? 1 : 0;
}

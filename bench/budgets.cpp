// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/budgets.h"

#include <cmath>
#include <cstdio>
#include <optional>

namespace {
// A run's time in ms (every benchmark here reports in ms), or one of its counters.
std::optional<double> figureIn(const benchmark::BenchmarkReporter::Run &run, const std::string &counter)
{
    if (counter.empty())
        return run.GetAdjustedRealTime();
    if (const auto found = run.counters.find(counter); found != run.counters.end())
        return found->second.value;
    return std::nullopt;
}
} // namespace

const std::vector<Budget> &budgets()
{
    static const std::vector<Budget> table = {
        { "BM_StartUp", "shown_ms", "start-up: new process to window shown", "ms", -1, 1 },
        { "BM_StartUpFloor", "shown_ms", "  floor: bare window, same controls", "ms", -1, 1 },
        { "BM_StartUp", "shown_ms", "  ratio to its floor", "x", -1, 2, "BM_StartUpFloor" },
        { "BM_StartUp", "", "start-up: new process to title painted", "ms", 60, 1 },
        { "BM_StartUp", "main_to_paint_ms", "  of which main() to title painted", "ms", -1, 1 },
        { "BM_StartUpFloor", "", "  floor: bare window, same controls", "ms", -1, 1 },
        { "BM_StartUp", "", "  ratio to its floor", "x", 1.5, 2, "BM_StartUpFloor" },
        { "BM_StartUp", "resident_MB", "resident memory after start-up, settled", "MB", -1, 1 },
        { "BM_StartUpFloor", "resident_MB", "  floor: bare window, same controls", "MB", -1, 1 },
        { "BM_StartUp", "resident_MB", "  more than its floor", "MB", 6, 1, "BM_StartUpFloor", true },
        { "BM_LoadJpegQuestion", "", "JPEG question loaded and drawn", "ms", 5, 2 },
        { "BM_LoadJpegFloor", "", "  floor: both decoded by libjpeg, drawn", "ms", -1, 2 },
        { "BM_LoadJpegQuestion", "", "  ratio to its floor", "x", 1.5, 2, "BM_LoadJpegFloor" },
        { "BM_LoadProgressiveJpegQuestion", "", "progressive JPEG question loaded and drawn", "ms", 5, 2 },
        { "BM_LoadProgressiveJpegFloor", "", "  floor: both decoded by libjpeg, drawn", "ms", -1, 2 },
        { "BM_LoadProgressiveJpegQuestion", "", "  ratio to its floor", "x", 1.5, 2,
            "BM_LoadProgressiveJpegFloor" },
        { "BM_LoadBitmapQuestion", "", "bitmap question loaded and drawn", "ms", 2, 2 },
        { "BM_LoadBitmapQuestion", "drawing_ms", "  of which the window's drawing", "ms", -1, 2 },
        { "BM_LoadBitmapFloor", "", "  floor: both read, rows copied, drawn", "ms", -1, 2 },
        { "BM_LoadBitmapQuestion", "", "  ratio to its floor", "x", 1.5, 2, "BM_LoadBitmapFloor" },
        { "BM_ScanQuestions99", "", "ScanQuestions over 99 questions", "ms", 10, 2 },
        { "BM_ClickToRing", "", "click on picture B to ring painted", "ms", 4, 2 },
        { "BM_PauseCpu", "cpu_percent", "Pause(3500): processor per second waited", "%", 3, 2 },
        { "BM_IdleTitleAtStartCpu", "cpu_percent", "idle title screen at start: processor", "%", 0, 2 },
        { "BM_IdleTitleAfterQuestionCpu", "cpu_percent", "idle title after a question: processor", "%", 0,
            2 },
        { "BM_PlayThroughMemory", "peak_MB", "peak memory after playing the sample folder", "MB", 50, 1 },
        { "BM_AuthorPropose", "", "author: propose on a 350 x 350 JPEG pair", "ms", 20, 2 },
        { "BM_AuthorCheckSample", "", "author: check of the sample folder", "ms", 300, 1 },
        { "BM_AuthorMake12Mp", "", "author: make from two hand-held 12 MP photos", "ms", 1000, 0 },
        { "BM_AuthorMake48Mp", "", "author: make from two hand-held 48 MP photos", "ms", 3000, 0 },
        { "BM_AuthorMakePeakMemory", "peak_MB", "author: make's peak memory, 48 MP photos", "MB", -1, 0 },
        { "BM_AuthorSampleAccuracy", "missed", "author: sample answers no proposal finds", "", 0, 0 },
        { "BM_AuthorSampleAccuracy", "extra", "author: sample proposals matching no answer", "", 0, 0 },
        { "BM_AuthorHardPairsAccuracy", "precision", "author: precision on harder photo-like pairs", "", -1, 3 },
        { "BM_AuthorHardPairsAccuracy", "recall", "author: recall on harder photo-like pairs", "", -1, 3 },
        { "BM_AuthorHandHeldAccuracy", "precision", "author: make's precision on hand-held pairs", "", -1, 3 },
        { "BM_AuthorHandHeldAccuracy", "recall", "author: make's recall on hand-held pairs", "", -1, 3 },
        { "BM_AuthorHandHeldAccuracy", "pairs", "  pairs (1600 x 1200, JPEG 90)", "", -1, 0 },
        { "BM_AuthorHandHeldAccuracy", "differences", "  differences in them", "", -1, 0 },
        { "BM_AuthorHandHeldAccuracy", "refused", "  pairs refused", "", -1, 0 },
        { "BM_MakerShown", "", "maker: window built and painted", "ms", 300, 0 },
        { "BM_MakerTwoPhotos12Mp", "", "maker: two 12-megapixel photos to circles shown", "ms", 1500, 0 },
        { "BM_MakerOnePhoto12Mp", "", "maker: one 12-megapixel photo to a made question", "ms", 1500, 0 },
        { "BM_MakerCircleDragFrame", "", "maker: circle drag, one frame", "ms", 16, 2 },
        { "BM_MakerTwoPhotos48Mp", "", "maker: two 48-megapixel photos to circles shown", "ms", -1, 0 },
        { "BM_MakerTwoPhotos48Mp", "added_MB", "  memory added with both photos open", "MB", -1, 0 },
        { "BM_PlantMake12Mp", "", "author: make from one 12-megapixel photo", "ms", 1000, 0 },
        { "BM_PlantMake350", "", "author: make from one 350 x 350 photo", "ms", 300, 0 },
        { "BM_PlantScenes", "made_share", "author: scenes given all 5 planted differences", "", -1, 3 },
        { "BM_PlantScenes", "visible_share", "author: planted changes seen at a glance", "", -1, 3 },
        { "BM_PlantScenes", "outside_px", "author: planted pixels outside the circles", "", 0, 0 },
        { "BM_PlantScenes", "seam", "author: new edges along removed things' fill", "", -1, 2 },
        { "BM_PlantScenes", "exact_share", "author: planted questions propose matches", "", -1, 3 },
    };
    return table;
}

std::string shownFigure(const Budget &budget, double value)
{
    char text[48];
    std::snprintf(text, sizeof text, "%.*f %s", budget.decimals, value, budget.unit.c_str());
    return text;
}

std::string verdict(const Budget &budget, double value)
{
    if (budget.limit < 0)
        return std::string();
    const double scale = std::pow(10.0, budget.decimals);
    return std::round(value * scale) / scale <= budget.limit ? "ok" : "OVER";
}

void BudgetReporter::ReportRuns(const std::vector<Run> &runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run &run : runs) {
        const std::string &name = run.run_name.function_name;
        if (run.error_occurred) {
            m_errors[name] = run.error_message;
            continue;
        }
        if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
            m_figures.insert_or_assign(name, run);
            m_repetitions = std::max<long long>(m_repetitions, run.repetitions);
        } else if (run.run_type == Run::RT_Iteration) {
            m_figures.try_emplace(name, run);
        }
    }
}

BudgetReporter::Figure BudgetReporter::figureOf(const Budget &budget) const
{
    for (const std::string &name : { budget.benchmark, budget.floor }) {
        if (name.empty())
            continue;
        if (const auto error = m_errors.find(name); error != m_errors.end())
            return { 0, "FAILED: " + error->second };
        if (m_figures.find(name) == m_figures.end())
            return { 0, "not run" };
    }
    const std::optional<double> value = figureIn(m_figures.at(budget.benchmark), budget.counter);
    if (!value)
        return { 0, "no such figure" };
    if (budget.floor.empty())
        return { *value, {} };
    const std::optional<double> floor = figureIn(m_figures.at(budget.floor), budget.counter);
    if (!floor)
        return { 0, "no such figure" };
    if (budget.difference)
        return { *value - *floor, {} };
    if (*floor <= 0)
        return { 0, "no floor" };
    return { *value / *floor, {} };
}

void BudgetReporter::Finalize()
{
    ConsoleReporter::Finalize();
    std::printf("\n%s over %lld run%s (2-core machine, offscreen):\n\n",
        m_repetitions > 1 ? "Medians" : "Figures", m_repetitions, m_repetitions > 1 ? "s" : "");
    std::printf("%-46s %12s %12s  %s\n", "Figure", "Measured", "Budget", "Verdict");
    std::printf(
        "%-46s %12s %12s  %s\n", std::string(46, '-').c_str(), "------------", "------------", "-------");
    for (const Budget &budget : budgets()) {
        std::string measured = "-";
        std::string outcome;
        const Figure figure = figureOf(budget);
        if (!figure.problem.empty()) {
            outcome = figure.problem;
        } else {
            measured = shownFigure(budget, figure.value);
            outcome = verdict(budget, figure.value);
        }
        char limit[32] = "-";
        if (budget.limit >= 0)
            std::snprintf(limit, sizeof limit, "<= %g %s", budget.limit, budget.unit.c_str());
        std::printf("%-46s %12s %12s  %s\n", budget.figure.c_str(), measured.c_str(), limit, outcome.c_str());
    }
    std::fflush(stdout);
}

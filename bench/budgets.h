// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// One line of the table: a figure one benchmark reports, and what it may cost
// on the 2-core machine, offscreen.
struct Budget
{
    std::string benchmark; // the benchmark's function name
    std::string counter; // empty: its time per iteration, in ms
    std::string figure; // what the line measures
    std::string unit; // "ms", "%" (of one core), "MB" (10^6 bytes) or "x" (a ratio)
    double limit; // the figure may not exceed it; negative: shown only
    int decimals; // how the figure is printed, and so what "0" means
    // Set: the line is the benchmark's figure (its time, or its counter)
    // divided by this benchmark's same figure, both from the same run.
    std::string floor = {};
    // With a floor: the difference of the two figures instead of their ratio.
    bool difference = false;
};

const std::vector<Budget> &budgets();

// The figure as the table prints it, with its unit: "4.88 ms".
std::string shownFigure(const Budget &budget, double value);
// "ok" or "OVER", judged on the figure as printed, so "0.00 %" is within a
// budget of 0; empty for a figure without a budget.
std::string verdict(const Budget &budget, double value);

// The usual console output, and then every figure as one table beside its
// budget: the median over the repetitions, or the one run without them.
class BudgetReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override;
    void Finalize() override;
    // Whether a benchmark ended in an error; such a run is not a figure.
    bool failed() const { return !m_errors.empty(); }

private:
    // A line's figure, or why there is none.
    struct Figure
    {
        double value;
        std::string problem;
    };
    Figure figureOf(const Budget &budget) const;

    std::map<std::string, Run> m_figures;
    std::map<std::string, std::string> m_errors;
    long long m_repetitions = 1;
};

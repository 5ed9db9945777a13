#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pimukaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the game in Release (build-release/) and runs the benchmarks on Qt's
# offscreen platform: each figure is the median of several runs, printed in
# one table beside its budget. Extra arguments go to the benchmark program,
# e.g. bench/run.sh --benchmark_filter=Load
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
source "$ROOT/scripts/setup.sh"

install_missing_packages
build_game "$ROOT/build-release" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DPIMUKARO_BENCHMARKS=ON

# The repetitions of all benchmarks run in a random order, so that a slow
# spell of the machine does not fall on a figure and miss its floor.
QT_QPA_PLATFORM=offscreen "$ROOT/build-release/pimukaro-bench" \
    --benchmark_repetitions=5 --benchmark_enable_random_interleaving=true \
    --benchmark_report_aggregates_only=true "$@"

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

QT_QPA_PLATFORM=offscreen "$ROOT/build-release/pimukaro-bench" \
    --benchmark_repetitions=5 --benchmark_report_aggregates_only=true "$@"

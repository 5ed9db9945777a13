#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pimukaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Sets everything up and runs the whole test suite, once in a normal build
# and once under AddressSanitizer and UndefinedBehaviorSanitizer, then fuzzes
# the file readers for a fixed number of inputs.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")" && pwd)
source "$ROOT/scripts/setup.sh"

# How long each step took, so the next trim knows where the time goes.
step_started=$SECONDS
step_done() {
    echo "== $1: $((SECONDS - step_started)) s"
    step_started=$SECONDS
}

install_missing_packages
step_done "packages"

build_game "$ROOT/build" -DPIMUKARO_BENCHMARKS=ON
step_done "build"
(cd "$ROOT/build" && ctest --output-on-failure -j2)
step_done "tests"

# The benchmarks are not tests and assert no time: one short run only keeps them
# building and working. (Debian 12's libbenchmark 1.7 takes min_time in plain seconds.)
QT_QPA_PLATFORM=offscreen "$ROOT/build/pimukaro-bench" --benchmark_min_time=0.01 --benchmark_repetitions=1
step_done "short benchmark run"

# Leaks are detected too; tests/lsan.supp names the libraries whose leaks the
# game cannot free.
build_game "$ROOT/build-asan" -DPIMUKARO_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
step_done "sanitizer build"
(cd "$ROOT/build-asan" && ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS="suppressions=$ROOT/tests/lsan.supp" \
    ctest --output-on-failure -j2)
step_done "sanitizer tests"

"$ROOT/fuzz/run_all.sh"
step_done "fuzzing"

#!/usr/bin/env bash
# Sets everything up and runs the whole test suite, once in a normal build
# and once under AddressSanitizer and UndefinedBehaviorSanitizer, then fuzzes
# the file readers for a fixed number of inputs.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")" && pwd)
source "$ROOT/scripts/setup.sh"

install_missing_packages

build_game "$ROOT/build"
(cd "$ROOT/build" && ctest --output-on-failure -j2)

build_game "$ROOT/build-asan" -DPIMUKARO_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
(cd "$ROOT/build-asan" && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j2)

"$ROOT/fuzz/run_all.sh"

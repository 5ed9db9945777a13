# SPDX-FileCopyrightText: 2026 The pimukaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by run.sh and run_all.sh: the fuzz build in build-fuzz/ and the
# libFuzzer limits every run keeps to.
FUZZ_SOURCE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
FUZZ_BUILD=$(dirname "$FUZZ_SOURCE")/build-fuzz
FUZZ_TARGETS=(fuzz_bitmap fuzz_jpeg fuzz_linefile fuzz_strtoint fuzz_answerfile)

# A slow input, a big allocation and a leak all count as failures.
FUZZ_LIMITS=(-timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=2048 -detect_leaks=1 -print_final_stats=1)
export UBSAN_OPTIONS=${UBSAN_OPTIONS:+$UBSAN_OPTIONS:}print_stacktrace=1:halt_on_error=1
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}abort_on_error=1:detect_leaks=1

# The targets write a file for every input, and a saved line file is synced
# to the disk: in memory that costs nothing, and the disk is not what is fuzzed.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    export TMPDIR=/dev/shm
fi

build_fuzz() {
    if [ ! -f "$FUZZ_BUILD/CMakeCache.txt" ]; then
        cmake -S "$FUZZ_SOURCE" -B "$FUZZ_BUILD" -DCMAKE_CXX_COMPILER=clang++ >/dev/null
    fi
    cmake --build "$FUZZ_BUILD" -j2 >/dev/null
}

known_target() {
    local t
    for t in "${FUZZ_TARGETS[@]}"; do [ "$t" = "$1" ] && return 0; done
    return 1
}

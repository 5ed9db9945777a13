#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pimukaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Usage: fuzz/run_all.sh
# Builds the fuzz targets if needed and runs each from its seeds for a fixed
# number of inputs (about a minute in all on a two-core machine). Fails on
# any crash, leak, timeout or running out of memory; the failing input is
# kept in build-fuzz/artifacts/TARGET/.
set -euo pipefail
source "$(dirname "$0")/common.sh"

# Inputs per target, measured to take about 30 s each. The seed is fixed so
# that a run repeats the same inputs: the JPEG target slows down sharply once
# it reaches headers of very large pictures, and when that happens must not
# change from run to run.
declare -A RUNS=(
    [fuzz_bitmap]=150000
    [fuzz_jpeg]=15000
    [fuzz_linefile]=80000
    [fuzz_strtoint]=2000000
    [fuzz_answerfile]=8000
)

build_fuzz
failed=()
for target in "${FUZZ_TARGETS[@]}"; do
    scratch=$FUZZ_BUILD/run_all/$target
    artifacts=$FUZZ_BUILD/artifacts/$target
    rm -rf "$scratch"
    mkdir -p "$scratch" "$artifacts"
    echo "== $target: ${RUNS[$target]} inputs"
    if ! "$FUZZ_BUILD/$target" "${FUZZ_LIMITS[@]}" -seed=1 -runs="${RUNS[$target]}" \
        -artifact_prefix="$artifacts/" "$scratch" "$FUZZ_BUILD/seeds/$target" >"$scratch.log" 2>&1; then
        tail -n 40 "$scratch.log"
        failed+=("$target")
        continue
    fi
    grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|Done)' "$scratch.log" || true
done

if [ ${#failed[@]} -ne 0 ]; then
    echo "Fuzzing failed: ${failed[*]} (logs in $FUZZ_BUILD/run_all/)" >&2
    exit 1
fi
echo "Fuzzing passed: ${FUZZ_TARGETS[*]}"

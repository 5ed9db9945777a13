#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pimukaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Usage: fuzz/run.sh TARGET SECONDS
# Builds the fuzz targets if needed and fuzzes TARGET for SECONDS seconds. The
# corpus grows in build-fuzz/corpus/TARGET (started from the generated seeds);
# an input that fails is kept in build-fuzz/artifacts/TARGET/.
set -euo pipefail
source "$(dirname "$0")/common.sh"

if [ $# -ne 2 ] || ! known_target "$1" || ! [[ $2 =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: $0 TARGET SECONDS (TARGET: ${FUZZ_TARGETS[*]})" >&2
    exit 2
fi
target=$1
seconds=$2

build_fuzz
corpus=$FUZZ_BUILD/corpus/$target
artifacts=$FUZZ_BUILD/artifacts/$target
mkdir -p "$corpus" "$artifacts"
"$FUZZ_BUILD/$target" "${FUZZ_LIMITS[@]}" -max_total_time="$seconds" \
    -artifact_prefix="$artifacts/" "$corpus" "$FUZZ_BUILD/seeds/$target"

#!/bin/bash
# SPDX-FileCopyrightText: 2026 The pimukaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package with every time stamp set to the last commit's,
# checks that neither it nor the programs as built (before stripping) name
# the folders they were built in, builds it again from a copy of the sources
# in another folder and checks that both packages are the same bytes.
# It needs no display, so it runs beside the window tests.
# usage: reproducible.sh BUILD-DIR
set -euo pipefail
BUILD=$(realpath "$1")
SOURCE=$(realpath "$(dirname "$0")/../..")
WORK=$(mktemp -d)
# The second build lies in the build folder: a compiler cache that names
# files relative to a base folder (ccache's base_dir) then treats both alike.
PLACE="$BUILD/reproducible-check"
rm -rf "$PLACE"
trap 'rm -rf "$WORK" "$PLACE"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
source "$(dirname "$0")/rebuild.sh"

SOURCE_DATE_EPOCH=$(git -C "$SOURCE" log -1 --format=%ct 2>/dev/null || stat -c %Y "$SOURCE/CMakeLists.txt")
export SOURCE_DATE_EPOCH

cmake --build "$BUILD" --target package >"$WORK/cpack.log" 2>&1 || fail "the package did not build: $(cat "$WORK/cpack.log")"
deb=$(echo "$BUILD"/pimukaro_*_"$(dpkg --print-architecture)".deb)
[ -f "$deb" ] || fail "no package named pimukaro_<version>_<arch>.deb in $BUILD"

dpkg-deb -x "$deb" "$WORK/root"
holders=$(grep -rlF -e "$SOURCE" -e "$BUILD" "$WORK/root" "$BUILD/pimukaro" "$BUILD/pimukaro-launcher" \
    "$BUILD/pimukaro-author" || true)
[ -z "$holders" ] || fail "these files name the build folders: $holders"
echo "no build folder named in the package or the programs: ok"

second=$(rebuild_elsewhere "$SOURCE" "$BUILD" "$PLACE")
same_packages "$deb" "$second"
echo "two builds in two folders give the same package: sha256 $(sha256sum <"$deb" | cut -d' ' -f1)"
echo "PASS"

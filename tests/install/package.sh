#!/bin/bash
# SPDX-FileCopyrightText: 2026 The pimukaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package, checks its contents, its copyright file and
# lintian's verdict, then unpacks it into a scratch root (never into the
# system) and starts the game from there as the menu would, and once with a
# file where the play folder should be. (reproducible.sh builds it twice.)
# usage: package.sh BUILD-DIR PROBE
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/launcher.sh"
BUILD=$(realpath "$1")
PROBE=$(realpath "$2")
WORK=$(mktemp -d)
trap 'cleanup; rm -rf "$WORK"' EXIT

cmake --build "$BUILD" --target package >"$WORK/cpack.log" 2>&1 || fail "the package did not build: $(cat "$WORK/cpack.log")"
deb=$(echo "$BUILD"/pimukaro_*_"$(dpkg --print-architecture)".deb)
[ -f "$deb" ] || fail "no package named pimukaro_<version>_<arch>.deb in $BUILD"

dpkg-deb --contents "$deb" | awk '{print $6}' >"$WORK/contents.txt"
for path in ./usr/games/pimukaro ./usr/games/pimukaro-launcher \
    ./usr/share/applications/org.pimukaro.pimukaro.desktop \
    ./usr/share/metainfo/org.pimukaro.pimukaro.metainfo.xml \
    ./usr/games/pimukaro-maker ./usr/share/applications/org.pimukaro.pimukaro.maker.desktop \
    ./usr/share/metainfo/org.pimukaro.pimukaro.maker.metainfo.xml \
    ./usr/share/pimukaro/Atari.wav ./usr/share/pimukaro/Hazure.wav \
    ./usr/share/pimukaro/Clear.wav ./usr/share/pimukaro/Miss.wav \
    ./usr/share/pimukaro/サンプルもんだい/ ./usr/share/pimukaro/おぼえてもんだい/Kioku.txt; do
    grep -qxF "$path" "$WORK/contents.txt" || fail "the package lacks $path"
done
for size in 16 24 32 48 64 128 256; do
    grep -qxF "./usr/share/icons/hicolor/${size}x${size}/apps/org.pimukaro.pimukaro.png" "$WORK/contents.txt" ||
        fail "the package lacks the ${size}x${size} icon"
done
[ "$(grep -c '/サンプルもんだい/.*_Ans\.txt$' "$WORK/contents.txt")" -eq 12 ] || fail "the sample folder is not whole"

depends=$(dpkg-deb --field "$deb" Depends)
grep -q 'fonts-ipafont-gothic' <<<"$depends" && grep -q 'libqt6widgets6' <<<"$depends" ||
    fail "the package depends on: $depends"

dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/doc/pimukaro/copyright >"$WORK/copyright" ||
    fail "the package has no copyright file"
/usr/bin/python3 "$(dirname "$0")/dep5.py" "$WORK/copyright" || fail "the copyright file is not machine-readable"

lintian --pedantic --tag-display-limit 0 "$deb" >"$WORK/lintian.txt" 2>&1 || true
sed 's/^/lintian: /' "$WORK/lintian.txt"
# The one error allowed: the Maintainer field names the project without a
# mail address, as it has none; Debian's policy wants one, and a distribution
# that takes the package puts its own maintainer there.
errors=$(grep '^E:' "$WORK/lintian.txt" | grep -vx 'E: pimukaro: malformed-contact Maintainer The' || true)
[ -z "$errors" ] || fail "lintian finds errors: $errors"
! grep -q '^[A-Z]: .* hardening-' "$WORK/lintian.txt" || fail "lintian finds the programs not hardened"

dpkg-deb -x "$deb" "$WORK/root"
start_display
check_file_in_the_way "$WORK/root/usr"
check_launcher "$WORK/root/usr" "$PROBE" "$WORK/root"
echo "PASS"

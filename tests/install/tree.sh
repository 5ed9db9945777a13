#!/bin/bash
# SPDX-FileCopyrightText: 2026 The pimukaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the game (stripped, as a package is) into a scratch prefix and checks the installed tree: the
# desktop entry and metainfo validate, every theme icon is a PNG of its size,
# nothing refers to the build folder, the tree still finds its data after it
# is moved, and the menu entry of the tree installed with its own prefix
# starts the game in the user's own play folder.
# usage: tree.sh BUILD-DIR PROBE
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/launcher.sh"
BUILD=$(realpath "$1")
PROBE=$(realpath "$2")
WORK=$(mktemp -d)
trap 'cleanup; rm -rf "$WORK"' EXIT

cmake --install "$BUILD" --prefix "$WORK/first" --strip >/dev/null || fail "cmake --install failed"
ROOT="$WORK/first"

# The game's and the question maker's, each with its own entry, metainfo and icons.
for id in org.pimukaro.pimukaro org.pimukaro.pimukaro.maker; do
    desktop-file-validate "$ROOT/share/applications/$id.desktop" || fail "the desktop entry $id does not validate"
    report=$(appstreamcli validate --no-net "$ROOT/share/metainfo/$id.metainfo.xml" 2>&1) ||
        fail "the metainfo of $id does not validate: $report"
    ! grep -q '^[EW]:' <<<"$report" || fail "the metainfo of $id validates with remarks: $report"
    for size in 16 24 32 48 64 128 256; do
        icon="$ROOT/share/icons/hicolor/${size}x${size}/apps/$id.png"
        [ -f "$icon" ] || fail "no ${size}x${size} icon $id"
        file -b "$icon" | grep -q "^PNG image data, $size x $size," || fail "$icon is $(file -b "$icon")"
    done
done
[ -x "$ROOT/games/pimukaro-maker" ] || fail "the question maker is not beside the game"

holders=$(grep -rlF "$BUILD" "$ROOT" || true)
[ -z "$holders" ] || fail "these installed files hold the build folder's path: $holders"

# Moved elsewhere, the tree finds its sounds in its own share/pimukaro.
cp -a "$ROOT" "$WORK/moved"
MOVED="$WORK/moved"
(cd / && QT_QPA_PLATFORM=offscreen "$PROBE" datadir "$MOVED/games") >"$WORK/sounds.txt" 2>&1 ||
    fail "the moved tree does not find its sounds: $(cat "$WORK/sounds.txt")"
grep -qx "$MOVED/share/pimukaro/Atari.wav" "$WORK/sounds.txt" || fail "sounds found at $(cat "$WORK/sounds.txt")"

# The author's tool lies beside the game and finds nothing wrong with the
# installed sample folders.
"$ROOT/games/pimukaro-author" check "$ROOT/share/pimukaro/サンプルもんだい" "$ROOT/share/pimukaro/おぼえてもんだい" \
    >"$WORK/check.txt" 2>&1 || fail "the installed author's tool reports: $(cat "$WORK/check.txt")"

start_display
check_launcher "$ROOT" "$PROBE"
check_unwritable_home "$ROOT"
echo "PASS"

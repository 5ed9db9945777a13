#!/bin/bash
# SPDX-FileCopyrightText: 2026 The pimukaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The game's dialogs on a real X server, under the dialog-button layout of
# each desktop's theme (Qt picks it from XDG_CURRENT_DESKTOP on xcb, never on
# the offscreen platform): the question shows はい(Y) left of いいえ(N), side by
# side and centred, on every desktop. Runs the dialog tests there.
# usage: dialogs.sh TST_DIALOGS
source "$(dirname "$0")/lib.sh"
TESTS=$(realpath "$1")
WORK=$(mktemp -d)
trap 'cleanup; rm -rf "$WORK"' EXIT

start_display
for desktop in GNOME KDE XFCE X-Cinnamon ""; do
    if ! (cd "$WORK" && env QT_QPA_PLATFORM=xcb XDG_CURRENT_DESKTOP="$desktop" "$TESTS") >"$WORK/game.log" 2>&1; then
        fail "the dialog tests fail on xcb with XDG_CURRENT_DESKTOP=$desktop"
    fi
done
echo "PASS"

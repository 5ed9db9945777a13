#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pimukaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Sets everything up on a fresh Debian machine and starts the game.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")" && pwd)
source "$ROOT/scripts/setup.sh"

install_missing_packages
build_game "$ROOT/build"

PLAY="$ROOT/build/play"
mkdir -p "$PLAY"
cd "$PLAY"

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$ROOT/build/pimukaro"
fi

# No display: show the title screen on a virtual one and keep a picture of it.
shot="$ROOT/build/title-screen.png"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    "$1" & game=$!
    for _ in $(seq 50); do
        xdotool search --name "ぴむかろ" >/dev/null 2>&1 && break
        sleep 0.2
    done
    sleep 1
    import -window root "$2"
    kill $game
' _ "$ROOT/build/pimukaro" "$shot"
echo "No display here: the game ran on a virtual screen; its title screen is saved in $shot"
echo "On a desktop, run ./run.sh again there to play."

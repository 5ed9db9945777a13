# SPDX-FileCopyrightText: 2026 The pimukaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared steps of the end-to-end tests: a virtual display, the real game in a
# scratch play folder, and pixel checks on screenshots of its window.

set -euo pipefail

# One end-to-end test at a time: X servers started side by side can race for
# the same display number.
exec 9>"${TMPDIR:-/tmp}/pimukaro-e2e.lock"
flock 9

fail() {
    echo "FAIL: $*" >&2
    [ -n "${WORK:-}" ] && [ -s "$WORK/game.log" ] && sed 's/^/game: /' "$WORK/game.log" >&2
    exit 1
}

# start_display: starts Xvfb on a display number it picks itself (so tests
# running side by side never share one) and exports DISPLAY.
start_display() {
    local numberfile
    numberfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$numberfile" >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 100); do
        [ -s "$numberfile" ] && break
        sleep 0.1
    done
    [ -s "$numberfile" ] || fail "Xvfb did not start"
    export DISPLAY=":$(head -n1 "$numberfile")"
    rm -f "$numberfile"
    for _ in $(seq 50); do
        xdotool getmouselocation >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    fail "Xvfb on $DISPLAY does not answer"
}

# wait_window TITLE: waits up to ten seconds for a window with that title and
# prints its id; prints nothing when none appears.
wait_window() {
    local id=""
    for _ in $(seq 100); do
        id=$(xdotool search --name "$1" 2>/dev/null | head -n1 || true)
        [ -n "$id" ] && break
        sleep 0.1
    done
    echo "$id"
}

# start_game GAME DIR: runs the game in DIR and waits for its window.
start_game() {
    (cd "$2" && exec env -u QT_QPA_PLATFORM SDL_AUDIODRIVER=dummy "$1") >"$2/game.log" 2>&1 &
    GAME_PID=$!
    WID=$(wait_window "ぴむかろ Ver.2.00")
    [ -n "$WID" ] || fail "the window did not appear"
    sleep 0.5
}

cleanup() {
    [ -n "${GAME_PID:-}" ] && kill "$GAME_PID" 2>/dev/null || true
    # Wait for the server to go: one still shutting down could remove the
    # socket of the next test's server on the same display number.
    if [ -n "${XVFB_PID:-}" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
    fi
}

# click X Y [BUTTON]: a click at client coordinates of the game's window.
click() {
    xdotool mousemove --window "$WID" "$1" "$2"
    sleep 0.1
    xdotool click "${3:-1}"
    sleep 0.2
}

# pixel X Y: the colour at client coordinates, as "#RRGGBB".
pixel() {
    local shot
    shot=$(mktemp --suffix=.png)
    import -silent -window "$WID" "$shot"
    convert "$shot" -format "%[hex:p{$1,$2}]" info: | sed 's/^/#/' | cut -c1-7
    rm -f "$shot"
}

# wait_pixel X Y COLOUR SECONDS: waits until the pixel shows COLOUR.
wait_pixel() {
    local deadline=$((SECONDS + $4)) seen
    while [ $SECONDS -le $deadline ]; do
        seen=$(pixel "$1" "$2")
        [ "$seen" = "$3" ] && return 0
        sleep 0.2
    done
    fail "pixel ($1,$2) is $seen, expected $3"
}

# wait_exit SECONDS: waits for the game to end on its own; it must exit 0.
wait_exit() {
    local deadline=$((SECONDS + $1))
    while kill -0 "$GAME_PID" 2>/dev/null; do
        [ $SECONDS -le $deadline ] || fail "the game did not end"
        sleep 0.1
    done
    wait "$GAME_PID" || fail "the game exited with $?"
    GAME_PID=""
}

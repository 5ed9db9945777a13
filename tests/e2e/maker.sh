#!/bin/bash
# SPDX-FileCopyrightText: 2026 The pimukaro developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The question maker on a real X server, installed into a scratch prefix and
# started as its menu entry starts it with two photos: its window maps, the question is saved with the keyboard
# into a fresh home's play folder, and the game started there then plays it.
# SCREENSHOT=FILE keeps a picture of the maker's window.
# usage: maker.sh BUILD-DIR
source "$(dirname "$0")/lib.sh"
BUILD=$(realpath "$1")
WORK=$(mktemp -d)
trap 'cleanup; rm -rf "$WORK"' EXIT

export HOME="$WORK/home"
PLAY="$HOME/ぴむかろ"
FOLDER="$PLAY/サンプルもんだい"
mkdir -p "$FOLDER"
# A garden before and after: a blue ball put in the middle, the red box painted yellow.
scene=(-fill '#88CCFF' -draw 'rectangle 0,0 799,250' -fill '#FFD020' -draw 'circle 620,90 620,130'
    -fill '#8B5A2B' -draw 'rectangle 170,180 200,380' -fill '#2E9E3E' -draw 'circle 185,170 185,250')
convert -size 800x600 xc:'#00FF00' "${scene[@]}" -fill '#E02020' -draw 'rectangle 520,380 600,460' "$WORK/before.png"
convert -size 800x600 xc:'#00FF00' "${scene[@]}" -fill '#FFFF00' -draw 'rectangle 520,380 600,460' \
    -fill '#0000FF' -draw 'circle 400,330 400,370' "$WORK/after.png"

ROOT="$WORK/root"
cmake --install "$BUILD" --prefix "$ROOT" >/dev/null || fail "cmake --install failed"
start_display
entry="$ROOT/share/applications/org.pimukaro.pimukaro.maker.desktop"
command=$(sed -n 's/^Exec=//p' "$entry" | sed "s|%F|$WORK/before.png $WORK/after.png|")
[ "${command%% *}" = "$ROOT/games/pimukaro-maker" ] || fail "the menu entry runs $command"
(cd "$WORK" && PATH=/usr/bin:/bin exec env -u QT_QPA_PLATFORM $command) >"$WORK/game.log" 2>&1 &
GAME_PID=$!
WID=$(wait_window "ぴむかろ もんだいづくり")
[ -n "$WID" ] || fail "the maker's window did not appear"

# Ctrl+S opens the save dialog once the photos have become a question.
dialog=""
for _ in $(seq 30); do
    xdotool windowactivate --sync "$WID" 2>/dev/null || xdotool windowfocus --sync "$WID"
    xdotool key --window "$WID" ctrl+s
    for _ in $(seq 10); do
        dialog=$(xdotool search --onlyvisible --name "もんだいを保存" 2>/dev/null | head -n1 || true)
        [ -n "$dialog" ] && break
        sleep 0.1
    done
    [ -n "$dialog" ] && break
done
[ -n "$dialog" ] || fail "the save dialog did not open"
# Typed into the name field that has the focus; tried again while the
# dialog is still there, for a server that gives the focus late.
for _ in $(seq 5); do
    xdotool windowfocus --sync "$dialog" 2>/dev/null || true
    sleep 0.3
    xdotool key ctrl+a BackSpace
    xdotool type cup
    xdotool key Return
    for _ in $(seq 30); do
        [ -f "$FOLDER/cup_Ans.txt" ] && break 2
        sleep 0.1
    done
done
[ -f "$FOLDER/cup_A.jpg" ] && [ -f "$FOLDER/cup_B.jpg" ] && [ -f "$FOLDER/cup_Ans.txt" ] ||
    fail "the question was not saved: $(ls -la "$FOLDER")"
# A circle over the ball and one over the box, with the limit suggested for two.
[ "$(tr -d '\r' <"$FOLDER/cup_Ans.txt" | wc -l)" -eq 3 ] || fail "the answer file holds: $(cat "$FOLDER/cup_Ans.txt")"
tr -d '\r' <"$FOLDER/cup_Ans.txt" | tail -n1 | grep -qx 50 || fail "the limit is not 50: $(cat "$FOLDER/cup_Ans.txt")"
if [ -n "${SCREENSHOT:-}" ]; then
    sleep 0.5
    import -silent -window "$WID" "$SCREENSHOT"
fi
xdotool windowfocus --sync "$WID"
xdotool key ctrl+q
wait_exit 10

# The game, started in the play folder, plays the saved question: the ball
# shows in picture B once the announcement is over.
near() { # near "#RRGGBB" R G B: each channel within 40
    local hex=${1#\#}
    [ $((16#${hex:0:2} - $2)) -le 40 ] && [ $(($2 - 16#${hex:0:2})) -le 40 ] &&
        [ $((16#${hex:2:2} - $3)) -le 40 ] && [ $(($3 - 16#${hex:2:2})) -le 40 ] &&
        [ $((16#${hex:4:2} - $4)) -le 40 ] && [ $(($4 - 16#${hex:4:2})) -le 40 ]
}
start_game "$ROOT/games/pimukaro" "$PLAY"
click $((69 + 24 + 168)) $((128 + 192 + 24)) # はじめる
B_X=381 B_Y=90
seen=""
for _ in $(seq 50); do
    seen=$(pixel $((B_X + 175)) $((B_Y + 192)))
    near "$seen" 0 0 255 && break
    sleep 0.2
done
near "$seen" 0 0 255 || fail "picture B shows $seen where the blue ball is"
near "$(pixel $((B_X + 20)) $((B_Y + 340)))" 0 255 0 || fail "picture B's lower corner is not the green lawn"
echo "PASS"

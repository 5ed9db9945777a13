#!/bin/bash
# SPDX-FileCopyrightText: 2026 The pimukaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# A child at a real keyboard: keys typed at the title, during play and after
# giving up reach no control hidden under a panel (the question list), so no
# other question's pictures appear; Return on the focused give-up button gives up.
# usage: keys.sh GAME
source "$(dirname "$0")/lib.sh"
GAME=$(realpath "$1")
WORK=$(mktemp -d)
trap 'cleanup; rm -rf "$WORK"' EXIT

FOLDER="$WORK/サンプルもんだい"
mkdir -p "$FOLDER"
# Three questions whose pictures B differ in colour: the one shown tells which is loaded.
for q in "aka:#FF8000" "ao:#0080FF" "murasaki:#FF00FF"; do
    name=${q%%:*} colour=${q#*:}
    convert -size 350x350 xc:'#00FF00' "BMP3:$FOLDER/${name}_A.bmp"
    convert -size 350x350 xc:"$colour" "BMP3:$FOLDER/${name}_B.bmp"
    printf '100  100  20   \r\n60\r\n' >"$FOLDER/${name}_Ans.txt"
done

start_display
start_game "$GAME" "$WORK"

B_X=381 B_Y=90
STRIP_X=$((B_X + 330)) STRIP_Y=$((B_Y + 300)) # picture B beside the title panel
TITLE_X=$((69 + 300)) TITLE_Y=$((128 + 20))

# No window manager here: the game's window is given the keyboard by hand.
xdotool windowfocus --sync "$WID"
typing() {
    for k in Tab Down Tab End Tab Up Tab Home Tab Next Right x Tab Left a Tab Down n Tab Prior; do
        xdotool key "$k"
        sleep 0.05
    done
    sleep 0.5
}

wait_pixel $STRIP_X $STRIP_Y '#FF8000' 5 # the first question, "aka", behind the title
typing
wait_pixel $TITLE_X $TITLE_Y '#AAFFAA' 1
wait_pixel $STRIP_X $STRIP_Y '#FF8000' 1

click $((69 + 24 + 168)) $((128 + 192 + 24)) # はじめる
# After the announcement the title panel is gone and the middle of B shows.
deadline=$((SECONDS + 8))
while :; do
    playing=$(pixel $((B_X + 175)) $((B_Y + 175)))
    case "$playing" in '#FF8000' | '#0080FF' | '#FF00FF') break ;; esac
    [ $SECONDS -le $deadline ] || fail "no question in play: $playing"
    sleep 0.2
done
typing
[ "$(pixel $((B_X + 175)) $((B_Y + 175)))" = "$playing" ] || fail "keys during play changed the question"

# Tab reaches only こうさん during play; Return on it gives up.
xdotool key Tab
sleep 0.2
xdotool key Return
wait_pixel $TITLE_X $TITLE_Y '#AAFFAA' 3
typing
wait_pixel $STRIP_X $STRIP_Y "$playing" 1

click $((69 + 384 + 96)) $((128 + 192 + 24)) # やめる
wait_exit 5
echo "PASS"

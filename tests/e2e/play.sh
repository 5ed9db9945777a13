#!/bin/bash
# SPDX-FileCopyrightText: 2026 The pimukaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Plays one question of a start-up folder to its end with real mouse clicks:
# a miss, both differences, the result panel, back to the title, and quit.
# usage: play.sh GAME
source "$(dirname "$0")/lib.sh"
GAME=$(realpath "$1")
WORK=$(mktemp -d)
trap 'cleanup; rm -rf "$WORK"' EXIT

FOLDER="$WORK/サンプルもんだい"
mkdir -p "$FOLDER"
convert -size 350x350 xc:'#00FF00' "BMP3:$FOLDER/neko_A.bmp"
convert -size 350x350 xc:'#00FF00' -fill '#0000FF' -draw 'circle 100,100 100,120' \
    -draw 'circle 250,250 250,265' "BMP3:$FOLDER/neko_B.bmp"
printf '100  100  20   \r\n250  250  15   \r\n60\r\n' >"$FOLDER/neko_Ans.txt"

start_display
start_game "$GAME" "$WORK"

# Picture B lies at client (381, 90); the title panel covers its middle.
B_X=381 B_Y=90
wait_pixel $((B_X + 340)) $((B_Y + 340)) '#00FF00' 5

# "はじめる" on the title panel starts the play-through.
click $((69 + 24 + 168)) $((128 + 192 + 24))
# After the announcement the title panel is gone and the middle of B shows.
wait_pixel $((B_X + 175)) $((B_Y + 175)) '#00FF00' 8

click $((B_X + 10)) $((B_Y + 300))      # a miss: one red cross
click $((B_X + 100)) $((B_Y + 100)) 3   # right button finds the first
wait_pixel $((B_X + 120)) $((B_Y + 100)) '#FF0000' 3
click $((B_X + 250)) $((B_Y + 250))     # the last one solves the question
# The result panel (yellow) covers the middle again.
wait_pixel $((69 + 300)) $((128 + 20)) '#FFFF00' 5

# Only one question: "は　い" leads back to the title, then "やめる" quits.
click $((69 + 5 + 408 + 84)) $((128 + 5 + 200 + 20))
wait_pixel $((69 + 300)) $((128 + 20)) '#AAFFAA' 5
click $((69 + 384 + 96)) $((128 + 192 + 24))
wait_exit 5
[ ! -e "$WORK/Pimukaro.Set" ] || fail "no folder was chosen, yet Pimukaro.Set was written"
echo "PASS"

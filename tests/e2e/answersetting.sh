#!/bin/bash
# SPDX-FileCopyrightText: 2026 The pimukaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Prepares a question's answers in the hidden answer-setting mode with real
# input (Shift + Ctrl on the start button, clicks, a nudge, a time choice, save),
# checks the answer file byte for byte, then plays the question and finds both.
# usage: answersetting.sh GAME
source "$(dirname "$0")/lib.sh"
GAME=$(realpath "$1")
WORK=$(mktemp -d)
trap 'cleanup; rm -rf "$WORK"' EXIT

FOLDER="$WORK/サンプルもんだい"
mkdir -p "$FOLDER"
convert -size 350x350 xc:'#00FF00' "BMP3:$FOLDER/inu_A.bmp"
convert -size 350x350 xc:'#00FF00' "BMP3:$FOLDER/inu_B.bmp"

start_display
start_game "$GAME" "$WORK"

B_X=381 B_Y=90
ANS_X=375 ANS_Y=4 # the answer panel

xdotool keydown shift ctrl
click $((69 + 24 + 168)) $((128 + 192 + 24))
xdotool keyup shift ctrl
# The title panel is gone: the middle of picture B shows.
wait_pixel $((B_X + 175)) $((B_Y + 175)) '#00FF00' 5

click $((B_X + 100)) $((B_Y + 150))                 # a candidate
wait_pixel $((B_X + 120)) $((B_Y + 150)) '#FF0000' 3
click $((ANS_X + 192 + 32)) $((ANS_Y + 5 + 14))     # 追加/修正
click $((B_X + 250)) $((B_Y + 200))                 # a second one
click $((ANS_X + 160 + 12)) $((ANS_Y + 20 + 12))    # → nudges it to 252
click $((ANS_X + 192 + 32)) $((ANS_Y + 5 + 14))     # 追加/修正
click $((ANS_X + 192 + 30)) $((ANS_Y + 51 + 10))    # open the time list
xdotool key Down Down Down Return                   # 60 -> 90
sleep 0.3
click $((ANS_X + 263 + 21)) $((ANS_Y + 49 + 11))    # 保存
sleep 0.3

expected=$(printf '100  150  20   \r\n252  200  20   \r\n90\r\n' | od -An -tx1)
actual=$(od -An -tx1 <"$FOLDER/inu_Ans.txt" 2>/dev/null || true)
[ "$actual" = "$expected" ] || fail "answer file holds:$(cat -A "$FOLDER/inu_Ans.txt" 2>/dev/null)"

click $((ANS_X + 312 + 21)) $((ANS_Y + 49 + 11))    # 終了: saved, so nothing is asked
wait_pixel $((69 + 300)) $((128 + 20)) '#AAFFAA' 5   # the title again

# Play the question just prepared.
click $((69 + 24 + 168)) $((128 + 192 + 24))
wait_pixel $((B_X + 175)) $((B_Y + 175)) '#00FF00' 8
click $((B_X + 100)) $((B_Y + 150))
click $((B_X + 252)) $((B_Y + 200))
wait_pixel $((69 + 300)) $((128 + 20)) '#FFFF00' 5   # solved: the result panel

click $((69 + 5 + 408 + 84)) $((128 + 5 + 200 + 20)) # は　い
wait_pixel $((69 + 300)) $((128 + 20)) '#AAFFAA' 5
click $((69 + 384 + 96)) $((128 + 192 + 24))          # やめる
wait_exit 5
echo "PASS"

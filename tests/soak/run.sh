#!/bin/bash
# SPDX-FileCopyrightText: 2026 The pimukaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# A monkey run of the real game under a virtual display, in a scratch play
# folder of normal, memory-mode and broken questions.
# usage: tests/soak/run.sh MINUTES [SEED]   (PIMUKARO_GAME: the game to run,
# build/pimukaro by default; a failure prints the seed to replay it with)
HERE=$(cd "$(dirname "$0")" && pwd)
source "$HERE/../e2e/lib.sh"
MINUTES=${1:?usage: run.sh MINUTES [SEED]}
SEED=${2:-$(( $(date +%s%N) % 2147483647 ))}
GAME=$(realpath "${PIMUKARO_GAME:-$HERE/../../build/pimukaro}")
[ -x "$GAME" ] || fail "no game at $GAME: build it first"
WORK=$(mktemp -d)
# The display lock is wanted only while a server starts or stops, so a long
# run does not hold up the other end-to-end tests.
trap 'flock 9; cleanup; rm -rf "$WORK"' EXIT

# picture FILE COLOUR [DRAW...]: a 350 x 350 picture, bitmap or JPEG by its name.
picture() {
    local file=$1 colour=$2; shift 2
    local format=BMP3
    [[ $file == *.jpg ]] && format=JPEG
    convert -size 350x350 "xc:$colour" "$@" "$format:$file"
}
# question FOLDER NAME EXT ANSWERS: a question whose differences match its answers.
question() {
    picture "$1/$2_A.$3" '#88CCFF'
    picture "$1/$2_B.$3" '#88CCFF' -fill '#FF8800' -draw 'circle 100,100 100,120' -draw 'circle 250,250 250,265'
    printf "$4" >"$1/$2_Ans.txt"
}

TWO='100  100  20   \r\n250  250  15   \r\n30\r\n'
SAMPLE="$WORK/サンプルもんだい" MEMORY="$WORK/きおく" BROKEN="$WORK/こわれた"
mkdir -p "$SAMPLE" "$MEMORY" "$BROKEN" "$WORK/から" "$WORK/のりもの/くるま"
question "$SAMPLE" q1 bmp "$TWO"
question "$SAMPLE" q2 jpg "$TWO"
question "$SAMPLE" q3 bmp '100  100  20   \r\n40\r\n'
question "$SAMPLE" q7 bmp '100  100  2x   \r\n30\r\n'      # a bad answer line
question "$SAMPLE" q8 jpg "$TWO" && rm "$SAMPLE/q8_B.jpg"  # a missing picture
question "$MEMORY" m1 bmp "$TWO"
question "$MEMORY" m2 jpg "$TWO"
question "$MEMORY" m3 bmp "$TWO" && rm "$MEMORY/m3_B.bmp"
: >"$MEMORY/Kioku.txt"
question "$BROKEN" b1 bmp "$TWO" && rm "$BROKEN/b1_B.bmp"
question "$BROKEN" b2 bmp '100  100  20   \r\n250  250\r\n30\r\n'
question "$BROKEN" b3 jpg "$TWO" && printf 'not a picture' >"$BROKEN/b3_A.jpg"
question "$BROKEN" b4 bmp "$TWO" && rm "$BROKEN/b4_Ans.txt"
question "$WORK/のりもの/くるま" c1 jpg "$TWO"

start_display
flock -u 9
/usr/bin/python3 "$HERE/monkey.py" "$GAME" "$WORK" "$(awk "BEGIN { print $MINUTES * 60 }")" "$SEED"

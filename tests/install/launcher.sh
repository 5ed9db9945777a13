# SPDX-FileCopyrightText: 2026 The pimukaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Starts an installed game the way its menu entry does, with a fresh home folder
# and from another folder, and checks what the player gets. Sourced by the
# install tests after tests/e2e/lib.sh.

# The question folder label of a window showing the installed sample folder,
# drawn by the game's own code; the window on the screen must show the same.
expected_label() {
    local probe=$1 root=$2 scratch="$WORK/label"
    mkdir -p "$scratch"
    cp -R "$root/share/pimukaro/サンプルもんだい" "$scratch/"
    (cd "$scratch" && QT_QPA_PLATFORM=offscreen "$probe" label "$WORK/label.png") >"$WORK/label.txt" ||
        fail "the probe could not draw the label"
    [ "$(sed -n 1p "$WORK/label.txt")" = "サンプルもんだい（１２もん）" ] ||
        fail "the sample folder label reads $(sed -n 1p "$WORK/label.txt")"
    read -r LABEL_X LABEL_Y LABEL_W LABEL_H < <(sed -n 2p "$WORK/label.txt")
}

# shows_label: the window shows the label drawn by expected_label.
shows_label() {
    local shot="$WORK/window.png" differ
    import -silent -window "$WID" "$shot"
    convert "$shot" -crop "${LABEL_W}x${LABEL_H}+${LABEL_X}+${LABEL_Y}" +repage "$WORK/shown.png"
    differ=$(compare -metric AE "$WORK/label.png" "$WORK/shown.png" null: 2>&1 || true)
    [ "$differ" = "0" ] || fail "the window's folder label differs from the sample folder's in $differ pixels"
}

# start_from_menu ROOT [DESTDIR]: runs the Exec line of ROOT's desktop entry
# from another folder with a PATH that lacks the games folder, as a desktop
# session of root's may. The entry names the launcher by its installed path:
# ROOT's own, less DESTDIR for a tree unpacked from a package.
start_from_menu() {
    local root=$1 destdir=${2:-} entry command
    entry="$root"/share/applications/org.pimukaro.pimukaro.desktop
    command=$(sed -n 's/^Exec=//p' "$entry")
    [ "$command" = "${root#"$destdir"}/games/pimukaro-launcher" ] ||
        fail "the menu entry runs $command, not ${root#"$destdir"}/games/pimukaro-launcher"
    printf '#!/bin/sh\nPATH=/usr/bin:/bin exec "%s"\n' "$destdir$command" >"$WORK/menu"
    chmod +x "$WORK/menu"
    mkdir -p "$WORK/elsewhere"
    start_game "$WORK/menu" "$WORK/elsewhere"
}

# quit_game: the folder chooser, confirmed as it opens on the sample folder,
# makes the game remember the folder; やめる ends the game.
quit_game() {
    click 176 268 # もんだいをかえる
    local dialog
    dialog=$(wait_window "フォルダの参照")
    [ -n "$dialog" ] || fail "the folder chooser did not open"
    sleep 0.5
    xdotool windowfocus --sync "$dialog" key Return
    sleep 0.5
    click $((69 + 384 + 96)) $((128 + 192 + 24)) # やめる
    wait_exit 5
}

# check_launcher ROOT PROBE [DESTDIR]: the whole first and second start.
check_launcher() {
    local root=$1 probe=$2 destdir=${3:-}
    local home="$WORK/home" play="$WORK/home/ぴむかろ"
    expected_label "$probe" "$root"
    mkdir -p "$home"
    export HOME="$home"

    start_from_menu "$root" "$destdir"
    [ "$(readlink "/proc/$GAME_PID/exe")" = "$root/games/pimukaro" ] || fail "the menu entry started $(readlink "/proc/$GAME_PID/exe")"
    [ "$(readlink "/proc/$GAME_PID/cwd")" = "$play" ] || fail "the game runs in $(readlink "/proc/$GAME_PID/cwd")"
    for sample in サンプルもんだい おぼえてもんだい; do
        diff -r "$root/share/pimukaro/$sample" "$play/$sample" >/dev/null || fail "$sample was not copied whole"
    done
    shows_label
    local class
    class=$(sed -n 's/^StartupWMClass=//p' "$root"/share/applications/org.pimukaro.pimukaro.desktop)
    xdotool search --class "^$class\$" 2>/dev/null | grep -qx "$WID" ||
        fail "the window's class is not $class, as the menu entry says"
    [ "${SCREENSHOT:-}" = "" ] || import -silent -window "$WID" "$SCREENSHOT"
    quit_game
    tr -d '\r' <"$play/Pimukaro.Set" | grep -qxF "$play/サンプルもんだい/" || fail "Pimukaro.Set holds: $(cat "$play/Pimukaro.Set" 2>/dev/null)"

    # The teacher's changes stay: an answer file edited, a question taken away,
    # a folder of her own.
    local folder="$play/サンプルもんだい" first
    first=$(ls "$folder" | grep '_Ans.txt$' | head -n1)
    printf '10   10   10   \r\n30\r\n' >"$folder/$first"
    rm "$folder/$(ls "$folder" | grep '_A\.' | tail -n1)"
    mkdir "$play/せんせいの もんだい"
    cp -R "$folder" "$WORK/changed"
    start_from_menu "$root" "$destdir"
    diff -r "$WORK/changed" "$folder" >/dev/null || fail "the second start changed the sample folder the user changed"
    [ -d "$play/せんせいの もんだい" ] || fail "the user's own folder went away"
    quit_game
    export HOME="$WORK"
    echo "the launcher: ok"
}

# check_unwritable_home ROOT: a home folder that cannot be written gets a
# message and starts nothing (without a desktop: on the standard error only).
check_unwritable_home() {
    local root=$1 home="$WORK/readonly-home" status=0
    mkdir -p "$home"
    chmod 555 "$home"
    local run=(env -u DISPLAY HOME="$home" "$root/games/pimukaro-launcher")
    # Root writes anywhere: run as nobody, who may read and run the installed tree.
    if [ "$(id -u)" -eq 0 ]; then
        chmod -R a+rX "$WORK"
        run=(setpriv --reuid=nobody --regid=nogroup --clear-groups "${run[@]}")
    fi
    "${run[@]}" >"$WORK/unwritable.out" 2>"$WORK/unwritable.err" || status=$?
    [ "$status" -eq 1 ] || fail "the launcher ended with $status without a play folder"
    grep -q "^ぴむかろ: ぴむかろのフォルダ「$home/ぴむかろ」を作れません" "$WORK/unwritable.err" &&
        grep -q "Can not make the play folder $home/ぴむかろ" "$WORK/unwritable.err" ||
        fail "the launcher said: $(cat "$WORK/unwritable.err")"
    [ ! -e "$home/ぴむかろ" ] || fail "a play folder appeared"
    sleep 0.5
    ! xdotool search --name "ぴむかろ" >/dev/null 2>&1 || fail "a window opened"
    echo "an unwritable home: ok"
}

# check_file_in_the_way ROOT: a file where the play folder should be, on the
# first start from the menu: a window names the problem, the file stays as it
# was, the game does not start and the launcher ends with status 1.
check_file_in_the_way() {
    local root=$1 home="$WORK/home-with-file" status=0 box pid
    mkdir -p "$home"
    printf 'a letter' >"$home/ぴむかろ"
    env -u QT_QPA_PLATFORM HOME="$home" "$root/games/pimukaro-launcher" >"$WORK/in-the-way.out" 2>"$WORK/in-the-way.err" &
    pid=$!
    box=$(wait_window "ぴむかろを起動できません")
    [ -n "$box" ] || fail "no window says why the game did not start; the launcher said: $(cat "$WORK/in-the-way.err")"
    grep -qF "「$home/ぴむかろ」はフォルダではなくファイルなので" "$WORK/in-the-way.err" ||
        fail "the launcher said: $(cat "$WORK/in-the-way.err")"
    sleep 0.5
    [ "${SCREENSHOT_PROBLEM:-}" = "" ] || import -silent -window "$box" "$SCREENSHOT_PROBLEM"
    ! xdotool search --name "ぴむかろ Ver" >/dev/null 2>&1 || fail "the game started"
    kill -0 "$pid" 2>/dev/null || fail "the launcher ended before the window was closed"
    xdotool windowfocus --sync "$box" key Return
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "the window did not close with Return"
    wait "$pid" || status=$?
    [ "$status" -eq 1 ] || fail "the launcher ended with $status"
    [ "$(cat "$home/ぴむかろ")" = "a letter" ] || fail "the file in the way was changed"
    [ "$(ls -A "$home")" = "ぴむかろ" ] || fail "the home folder holds: $(ls -A "$home")"
    echo "a file where the play folder should be: ok"
}

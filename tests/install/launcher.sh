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

# start_from_menu ROOT: runs the Exec line of ROOT's desktop entry from another
# folder, with ROOT/games on the PATH, as the menu does.
start_from_menu() {
    local root=$1 entry command
    entry="$root"/share/applications/org.pimukaro.pimukaro.desktop
    command=$(sed -n 's/^Exec=//p' "$entry")
    [ -n "$command" ] || fail "no Exec line in $entry"
    printf '#!/bin/sh\nPATH="%s/games:$PATH" exec %s\n' "$root" "$command" >"$WORK/menu"
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

# check_launcher ROOT PROBE: the whole first and second start.
check_launcher() {
    local root=$1 probe=$2
    local home="$WORK/home" play="$WORK/home/ぴむかろ"
    expected_label "$probe" "$root"
    mkdir -p "$home"
    export HOME="$home"

    start_from_menu "$root"
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
    start_from_menu "$root"
    diff -r "$WORK/changed" "$folder" >/dev/null || fail "the second start changed the sample folder the user changed"
    [ -d "$play/せんせいの もんだい" ] || fail "the user's own folder went away"
    quit_game
    export HOME="$WORK"
    echo "the launcher: ok"
}

# check_unwritable_home ROOT: a home folder that cannot be written gets a
# message and starts nothing.
check_unwritable_home() {
    local root=$1 home="$WORK/readonly-home" status=0
    mkdir -p "$home"
    chmod 555 "$home"
    local run=(env HOME="$home" "$root/games/pimukaro-launcher")
    # Root writes anywhere: run as nobody, who may read and run the installed tree.
    if [ "$(id -u)" -eq 0 ]; then
        chmod -R a+rX "$WORK"
        run=(setpriv --reuid=nobody --regid=nogroup --clear-groups "${run[@]}")
    fi
    "${run[@]}" >"$WORK/unwritable.out" 2>"$WORK/unwritable.err" || status=$?
    [ "$status" -ne 0 ] || fail "the launcher succeeded without a play folder"
    grep -q "ぴむかろ" "$WORK/unwritable.err" && grep -q "can not make the play folder" "$WORK/unwritable.err" ||
        fail "the launcher said: $(cat "$WORK/unwritable.err")"
    [ ! -e "$home/ぴむかろ" ] || fail "a play folder appeared"
    sleep 0.5
    ! xdotool search --name "ぴむかろ" >/dev/null 2>&1 || fail "a window opened"
    echo "an unwritable home: ok"
}

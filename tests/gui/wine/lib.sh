# Shared part of the scenarios of quelm.exe under wine: the Linux scenarios' display, waiting
# and key helpers, with the program started through wine in a prefix of the build tree.
#
# A scenario sources this file with quelm.exe's path as its first argument; QUELM_WINEPREFIX
# names the prefix (made on first use with fonts that have the Japanese characters).
source "$(dirname "${BASH_SOURCE[0]}")/../lib.sh"

command -v wine >/dev/null || skip "wine is missing (scripts/build-windows.sh installs it)"
export WINEPREFIX=${QUELM_WINEPREFIX:?the wine prefix is not set}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
wine_log=$work/wine.log

# Windows of the program: wine names their class after the program file.
app_windows() {
    xdotool search --onlyvisible --class quelm.exe 2>/dev/null || true
}

# The interface texts need a face with the Japanese characters; Linux has one under another name.
prepare_prefix() {
    [ -f "$WINEPREFIX/.quelm-ready" ] && return
    wineboot -i >>"$wine_log" 2>&1 || fail "the wine prefix could not be made"
    local key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' face
    for face in Tahoma "MS Shell Dlg" "MS Shell Dlg 2" "MS UI Gothic"; do
        wine reg add "$key" /v "$face" /d "Noto Sans CJK JP" /f >>"$wine_log" 2>&1
    done
    wineserver -w
    touch "$WINEPREFIX/.quelm-ready"
}

# A Linux path as the program sees it.
windows_path() {
    local path=$1
    echo "Z:${path//\//\\}"
}

launch_program() {
    prepare_prefix
    # Each scenario starts from a new user's settings.
    wine reg delete 'HKCU\Software\Marlox\Quelm' /f >>"$wine_log" 2>&1 || true
    local args=() a
    for a in "$@"; do args+=("$(windows_path "$a")"); done
    wine "$program" "${args[@]}" 2>"$work/stderr" >/dev/null &
    app=$!
    WAIT_TIMEOUT=60 wait_for has_windows 1 || fail "no window appeared"
}

# The main window by its caption; dialogs are the program's other windows.
main_window() {
    xdotool search --onlyvisible --name '^Quelm' 2>/dev/null | head -n 1
}
dialog_window() {
    app_windows | grep -vx "$(main_window)" | head -n 1
}

# Wine's messages on stderr are its own, not the program's.
expect_quiet() {
    :
}

# Exits from the File menu (the last item), answering "No" to save prompts.
quit_program() {
    keys alt+f Up Return
    WAIT_TIMEOUT=20 wait_for sh -c '! kill -0 "$1" 2>/dev/null' _ "$app" ||
        fail "the program did not end after the exit command"
    local code=0
    wait "$app" || code=$?
    app=""
    [ "$code" -eq 0 ] || fail "the program exited with code $code"
}

# The insert mode: the last item of the settings menu.
insert_mode() {
    keys alt+o End Return
}

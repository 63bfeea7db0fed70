# Shared part of the GUI scenarios: a private virtual display with a window manager, private
# settings, the program started on files, and waiting for what a user would see.
#
# A scenario sources this file with the program's path as its first argument, then calls
# start_display, start_program and the checks below. Everything it made goes when it ends.
set -euo pipefail

program=${1:?usage: scenario.sh path/to/quelm}
[ -x "$program" ] || { echo "no program at $program" >&2; exit 2; }
for tool in Xvfb openbox xdotool; do
    command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/install-deps.sh)" >&2; exit 2; }
done

work=$(mktemp -d)
# No session bus here: GTK keeps its own settings in memory.
export GSETTINGS_BACKEND=memory
export XDG_CONFIG_HOME=$work/config
mkdir -p "$XDG_CONFIG_HOME"
pids=()
app=""
other_user=""

cleanup() {
    local p
    for p in ${app:+"$app"} "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    wait 2>/dev/null || true
    [ -z "$other_user" ] || userdel "$other_user" >/dev/null 2>&1 || true
    [ -n "${KEEP_GUI_WORK:-}" ] && echo "work folder kept: $work" >&2 || rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    command -v import >/dev/null && import -window root "$work/failure.png" 2>/dev/null &&
        KEEP_GUI_WORK=1 && echo "screenshot: $work/failure.png" >&2
    local log
    for log in stderr xvfb.log openbox.log; do
        [ -s "$work/$log" ] || continue
        echo "--- $log:" >&2
        cat "$work/$log" >&2
    done
    exit 1
}

# Polls a command until it succeeds; false after the timeout (seconds, default 10).
wait_for() {
    local timeout=${WAIT_TIMEOUT:-10} end
    end=$((SECONDS + timeout))
    until "$@"; do
        [ "$SECONDS" -ge "$end" ] && return 1
        sleep 0.1
    done
}

start_display() {
    local fifo=$work/display
    mkfifo "$fifo"
    # No reset when the last client leaves: a reset between two clients refuses the next one.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$fifo" 2>"$work/xvfb.log" &
    pids+=($!)
    local number
    read -r -t 20 number <"$fifo" || fail "the virtual display did not start"
    export DISPLAY=:$number
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    pids+=($!)
    wait_for xprop -root _NET_SUPPORTING_WM_CHECK >/dev/null 2>&1 ||
        fail "the window manager did not start"
}

# The program's visible top-level windows, one id a line.
app_windows() {
    xdotool search --onlyvisible --pid "$app" 2>/dev/null || true
}
window_count() {
    app_windows | wc -l
}
has_windows() {
    [ "$(window_count)" -ge "$1" ]
}
has_only_main() {
    [ "$(window_count)" -eq 1 ]
}
alive() {
    kill -0 "$app" 2>/dev/null
}

# Starts the program with the given arguments and waits until its main window has the
# keyboard focus.
start_program() {
    launch_program "$@"
    focus_main
}

# Starts the program and waits for its first window (which may be a message).
launch_program() {
    "$program" "$@" 2>"$work/stderr" >/dev/null &
    app=$!
    wait_for has_windows 1 || fail "no window appeared"
}

# Gives the keyboard focus to the only window of the program.
focus_main() {
    wait_for has_only_main || fail "more than the main window is open"
    main=$(app_windows | head -n 1)
    WAIT_TIMEOUT=20 wait_for take_focus "$main" || fail "the main window never got the keyboard focus"
    # Let the first layout and paint settle before typing.
    settle
}

# Asks the window manager for the focus and, should it be slow to manage a new window on a busy
# machine, sets the focus directly; true once the window has it.
take_focus() {
    focused_on "$1" && return 0
    xdotool windowactivate "$1" 2>/dev/null || xdotool windowfocus "$1" 2>/dev/null || true
    sleep 0.2
    focused_on "$1"
}

focused_on() {
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]
}

# Waits until the program has handled everything sent so far: a round trip through its event
# loop, observed as the X server seeing it idle again.
settle() {
    xdotool sleep 0.3
}

keys() {
    xdotool key --clearmodifiers --delay 40 "$@"
    settle
}

# Waits until a file's bytes differ from another file's.
wait_changed() {
    wait_for sh -c '! cmp -s "$1" "$2"' _ "$1" "$2"
}

# Differing bytes as "offset hexvalue" lines (offsets from 0).
changed_bytes() {
    local offset old new
    cmp -l "$1" "$2" 2>/dev/null | while read -r offset old new; do
        printf '%d %02x\n' $((offset - 1)) $((8#$new))
    done || true
}

expect_eq() {
    [ "$1" = "$2" ] || fail "$3: expected '$2', got '$1'"
}

active_title() {
    xdotool getwindowname "$(xdotool getactivewindow)" 2>/dev/null || true
}
title_is() {
    [ "$(active_title)" = "$1" ]
}
# Waits until the window of that title is the active one: a new window is shown before the
# window manager activates it.
expect_active() {
    wait_for title_is "$1" || fail "$2: expected the window '$1' active, got '$(active_title)'"
}

expect_alive() {
    alive || fail "the program ended"
}

# A clean run prints nothing.
expect_quiet() {
    [ ! -s "$work/stderr" ] || fail "the program wrote to stderr"
}

# Documents open in view mode; the overwrite mode is the item above the last one (insert) of
# the settings menu.
overwrite_mode() {
    keys alt+o
    keys End Up Return
}

# The insert mode: the last item of the settings menu.
insert_mode() {
    keys alt+o
    keys End Return
}

# Shift stays down for the whole run of keys, as a user holds it while selecting.
select_right() {
    xdotool keydown shift
    local i
    for ((i = 0; i < $1; i++)); do xdotool key Right; done
    xdotool keyup shift
    settle
}

# Tab from a combo box's field to the next control: its list button is a tab stop of its own.
tab_past_combo() {
    keys Tab Tab
}

# After a message over a modeless dialog the program gives the keyboard back to the view.
keys_back_in_view() {
    :
}

# Files open in insert mode: the initial mode in the settings the program starts with.
open_in_insert_mode() {
    store_setting Settings InitialMode 2
}

# Types a path into the open file dialog and takes it.
choose_in_file_dialog() {
    keys ctrl+l
    xdotool type --delay 20 "$1"
    keys Return
}

# Menu items by their place in the menu; this system's menus pass over grayed items.
# File, dump to a file.
dump_to_file() {
    keys alt+f Down Down Down Down Down Down Down Return
}
# Search, replace, before any search (the find-again items are grayed).
replace_before_any_search() {
    keys alt+s Down Return
}

# Opens the Replace dialog from the menu before any search, types the search and replacement
# texts and keeps the dialog's window in $dialog.
open_replace_dialog() {
    replace_before_any_search
    wait_for has_windows 2 || fail "the Replace dialog did not open"
    dialog=$(app_windows | grep -vx "$main" | head -n 1)
    xdotool type --delay 40 "$1"
    keys Tab Tab
    xdotool type --delay 40 "$2"
}

# Types a hexadecimal address into the go-to dialog and waits until it has closed.
go_to() {
    xdotool key --clearmodifiers ctrl+j
    wait_for has_windows 2 || fail "the go-to dialog did not open"
    settle
    keys ctrl+a
    xdotool type --delay 40 "$1"
    keys Return
    focus_main
}

# The settings kept when the program ended.
settings_file() {
    echo "$XDG_CONFIG_HOME/Marlox/Quelm.conf"
}

# Ends the program as a user does (File, Exit), answering "No" to save prompts.
quit_program() {
    exit_command
    # Settings are written and windows taken down: give a loaded machine time for it.
    WAIT_TIMEOUT=20 wait_for sh -c '! kill -0 "$1" 2>/dev/null' _ "$app" ||
        fail "the program did not end after the exit command"
    local code=0
    wait "$app" || code=$?
    app=""
    [ "$code" -eq 0 ] || fail "the program exited with code $code"
}
exit_command() {
    keys alt+f x
}

# Stores a value in a section of the settings, as a user's earlier run would have.
store_setting() {
    local file
    file=$(settings_file)
    mkdir -p "$(dirname "$file")"
    touch "$file"
    awk -v section="[$1]" -v key="$2" -v line="$2=$3" '
        function store() { if (inside && !stored) print line; stored = stored || inside }
        /^\[/ { store(); inside = ($0 == section) }
        inside && index($0, key "=") == 1 { next }
        { print }
        END { store(); if (!stored) { print section; print line } }' "$file" >"$file.new"
    mv "$file.new" "$file"
}

# A value the program stored in a section of its settings when it ended.
stored_setting() {
    awk -F= -v section="[$1]" -v key="$2" \
        '/^\[/ { inside = ($0 == section) } inside && $1 == key { print $2 }' "$(settings_file)"
}

# A scenario that cannot run here ends with this code, which ctest counts as skipped.
skip() {
    echo "SKIP: $*" >&2
    exit 77
}

# Makes a second user account for the scenario, named in $other_user; removed at the end.
make_other_user() {
    [ "$(id -u)" -eq 0 ] || skip "needs root to create a second user"
    command -v useradd >/dev/null || skip "useradd is missing"
    local name=qlm$$g attempt
    for attempt in 1 2 3 4 5; do
        useradd -M -N -s /usr/sbin/nologin "$name" >/dev/null 2>&1 && other_user=$name && return
        sleep 0.5
    done
    skip "useradd could not create a second user"
}

# quelm.exe runs under wine: the same steps through wine's windows.
case $program in
*.exe) source "$(dirname "${BASH_SOURCE[0]}")/wine/lib.sh" ;;
esac

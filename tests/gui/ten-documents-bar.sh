#!/usr/bin/env bash
# Ten documents in the default window: the file-name buttons that do not fit are in the menu of
# the bar's overflow arrow, and choosing one there activates its document.
source "$(dirname "$0")/lib.sh"
start_display

files=()
for i in 0 1 2 3 4 5 6 7 8 9; do
    head -c 64 /dev/zero >"$work/doc$i.bin"
    files+=("$work/doc$i.bin")
done
cp "$work/doc8.bin" "$work/original"

open_file() {
    keys ctrl+o
    wait_for has_windows 2 || fail "Ctrl+O showed no file dialog"
    choose_in_file_dialog "$1"
    wait_for has_only_main || fail "the file dialog did not close"
    wait_for titled "$1" || fail "$1 did not open"
    settle
}

titled() {
    [[ "$(xdotool getwindowname "$main")" == *"$1"* ]]
}

# Eight fit the bar; the last two are opened while it is shown.
start_program "${files[@]:0:8}"
open_file "${files[8]}"
open_file "${files[9]}"
# The arrow ends the file-name bar, the third row of the window below the menu and the toolbar.
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove --window "$main" $((WIDTH - 22)) 92 click 1
settle
keys Down Return
# doc8 is active now: a byte typed in overwrite mode lands in it.
overwrite_mode
keys 4 1 ctrl+s
wait_changed "$work/original" "${files[8]}" || fail "the ninth document did not become active"
expect_eq "$(changed_bytes "$work/original" "${files[8]}" | tr '\n' ' ')" "0 41 " "changed bytes"
quit_program
expect_quiet

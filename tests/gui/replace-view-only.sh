#!/usr/bin/env bash
# With the Replace dialog left open, a document switched to VIEW from the menu and a read-only
# file opened afterwards cannot be changed by "すべて置換": no replacement, no message, no bytes.
source "$(dirname "$0")/lib.sh"
start_display

file=$work/data.bin
readonly_file=$work/readonly.bin
printf 'abab' >"$file"
printf 'abab' >"$readonly_file"
chmod 0444 "$readonly_file"
# Files open in insert mode, so only the demotion makes the read-only one VIEW.
open_in_insert_mode
start_program "$file"

open_replace_dialog 'ab' 'xy'

main_and_dialog() {
    [ "$(window_count)" -eq 2 ]
}

# "すべて置換" in the dialog's client area, where the template puts it.
replace_all() {
    xdotool mousemove --window "$dialog" 382 106 click 1
    settle
    sleep 1
    main_and_dialog || fail "すべて置換 did something: $1"
}

# VIEW is the first of the three mode items at the end of the settings menu.
take_focus "$main" || fail "the main window did not take the focus"
keys alt+o End Up Up Return
replace_all "in VIEW mode"

take_focus "$main" || fail "the main window did not take the focus"
keys ctrl+o
wait_for has_windows 3 || fail "Ctrl+O showed no file dialog"
choose_in_file_dialog "$readonly_file"
wait_for main_and_dialog || fail "the file dialog did not close"
settle
replace_all "in a read-only file"

expect_eq "$(cat "$file")" "abab" "the file switched to VIEW"
expect_eq "$(cat "$readonly_file")" "abab" "the read-only file"
expect_alive
take_focus "$main" || fail "the main window did not take the focus"
quit_program

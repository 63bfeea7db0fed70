#!/usr/bin/env bash
# "置換" replaces only the match its own search selected: a selection made by hand between two
# presses is searched past, never replaced, and the presses then replace the matches in turn.
source "$(dirname "$0")/lib.sh"
start_display

file=$work/data.bin
printf 'Hello World' >"$file"
open_in_insert_mode
start_program "$file"

open_replace_dialog 'o' '0'

# "置換" in the dialog's client area, where the template puts it.
replace() {
    xdotool mousemove --window "$dialog" 382 68 click 1
    settle
}

replace # finds the o of Hello
take_focus "$main" || fail "the main window did not take the focus"
# Select World by hand.
keys ctrl+Home Right Right Right Right Right Right
keys shift+Right shift+Right shift+Right shift+Right shift+Right
replace # must find, not put 0 in place of World
replace # Hell0 World
replace # Hell0 W0rld, and the search has ended
wait_for has_windows 3 || fail "no message at the end of the search"
keys Return
take_focus "$main" || fail "the main window did not take the focus"
cp "$file" "$work/original"
keys ctrl+s
wait_changed "$work/original" "$file" || fail "the file was not saved"
expect_eq "$(cat "$file")" "Hell0 W0rld" "bytes after three presses of 置換"
expect_alive
quit_program

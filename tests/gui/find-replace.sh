#!/usr/bin/env bash
# Finds an escaped pattern from the Find dialog (Alt+F3), finds on with F3, types over the byte
# after the second match, replaces all matches from the Replace dialog and checks the file.
source "$(dirname "$0")/lib.sh"
start_display

file=$work/data.bin
printf '..AB..AB..AB..' >"$file"
start_program "$file"
overwrite_mode

keys alt+F3
wait_for has_windows 2 || fail "the Find dialog did not open"
xdotool type --delay 40 'A\x42'
keys Return
wait_for has_only_main || fail "the Find dialog stayed open after a match"
keys F3
# The caret stands after the second match.
keys 3 0

keys alt+s Down Down Down Return
wait_for has_windows 2 || fail "the Replace dialog did not open"
xdotool type --delay 40 '\x41B'
tab_past_combo
xdotool type --delay 40 '\x5a\x5A'
# Past the case and Unicode boxes, the range, Find Next and Replace to Replace All.
tab_past_combo
keys Tab Tab Tab Tab Tab space
wait_for has_windows 3 || fail "no message after replace all"
keys Return
wait_for has_windows 2 || fail "the message stayed open"

cp "$file" "$work/original"
keys_back_in_view
keys ctrl+s
wait_changed "$work/original" "$file" || fail "the file was not saved"
expect_eq "$(cat "$file")" "..ZZ..ZZ0.ZZ.." "bytes after find, typing and replace all"
expect_alive
quit_program

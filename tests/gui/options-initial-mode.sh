#!/usr/bin/env bash
# Sets the initial mode to overwrite in the options sheet, then opens a file: typed bytes replace
# its bytes at once, and the setting is kept at exit.
source "$(dirname "$0")/lib.sh"
start_display

file=$work/data.bin
head -c 64 /dev/zero >"$file"
cp "$file" "$work/original"

start_program
keys alt+o Return
wait_for has_windows 2 || fail "the options sheet did not open"
expect_active "基本設定" "sheet title"
# The focus starts on the checked VIEW radio; the next one is overwrite. Enter is OK.
keys Down
keys Return
wait_for has_only_main || fail "OK did not close the options sheet"

keys ctrl+o
wait_for has_windows 2 || fail "Ctrl+O showed no file dialog"
choose_in_file_dialog "$file"
wait_for has_only_main || fail "the file dialog did not close"
settle
keys 4 1 ctrl+s
wait_changed "$work/original" "$file" || fail "typing changed nothing: not in overwrite mode"
expect_eq "$(changed_bytes "$work/original" "$file" | tr '\n' ' ')" "0 41 " "changed bytes"
quit_program
expect_eq "$(stored_setting Settings InitialMode)" 1 "the initial mode kept"
expect_quiet

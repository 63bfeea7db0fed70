#!/usr/bin/env bash
# A toolbar tooltip shown when the options sheet opens from the keyboard does not stay above
# the sheet.
source "$(dirname "$0")/lib.sh"
start_display

head -c 64 /dev/zero >"$work/data.bin"
start_program "$work/data.bin"
# The pointer rests on the print button of the toolbar, below the menu bar, until its tooltip
# shows as a window of its own.
xdotool mousemove --window "$main" 128 50
settle
xdotool mousemove --window "$main" 132 51
WAIT_TIMEOUT=5 wait_for has_windows 2 || fail "no tooltip appeared over the toolbar"
keys alt+o Return
wait_for sh -c 'xdotool search --onlyvisible --name "^基本設定$" >/dev/null' ||
    fail "the options sheet did not open"
sleep 1
expect_eq "$(window_count)" 2 "windows shown with the options sheet (the main one and the sheet)"
keys Escape
wait_for has_only_main || fail "the options sheet did not close"
quit_program

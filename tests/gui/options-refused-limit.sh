#!/usr/bin/env bash
# Types a refused on-memory limit in the options sheet, presses OK (the range message), then
# cancels: the sheet opens again without a message, and the old limit is kept at exit.
source "$(dirname "$0")/lib.sh"
start_display

has_exactly() {
    [ "$(window_count)" -eq "$1" ]
}

start_program
keys alt+o Return
wait_for has_windows 2 || fail "the options sheet did not open"
expect_active "基本設定" "sheet title"
# From the checked VIEW radio: the allowed-mode radios, then the limit field.
keys Tab Tab
xdotool type --delay 20 "0"
keys Return
wait_for has_windows 3 || fail "OK with a limit of 0 showed no message"
expect_active "Quelm" "message title"
keys Return
wait_for has_exactly 2 || fail "the message did not close"
expect_active "基本設定" "the sheet after the message"
# Escape is the sheet's Cancel button.
keys Escape
wait_for has_only_main || fail "Cancel did not close the options sheet"

keys alt+o Return
wait_for has_windows 2 || fail "the options sheet did not open again"
settle
has_exactly 2 || fail "opening the sheet again showed a message"
expect_active "基本設定" "the sheet opened again without a message"
keys Escape
wait_for has_only_main || fail "the options sheet did not close again"
quit_program
expect_eq "$(stored_setting Settings nMaxOnMemoryFileSize)" 16 "the limit kept at exit"
expect_quiet

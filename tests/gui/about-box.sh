#!/usr/bin/env bash
# The about box from the help menu: it shows this build's date, Escape leaves it open and OK
# closes it.
source "$(dirname "$0")/lib.sh"
start_display

start_program
keys alt+h a
wait_for has_windows 2 || fail "the about box did not open"
box=$(xdotool getactivewindow)
title=$(xdotool getwindowname "$box")
expect_eq "$title" "Quelmのﾊﾞｰｼﾞｮﾝ情報" "about box title"
[ -n "${SHOT:-}" ] && import -window root "$SHOT"
keys Escape
has_windows 2 || fail "Escape closed the about box"
keys Return
wait_for has_only_main || fail "OK did not close the about box"
expect_alive
quit_program
expect_quiet

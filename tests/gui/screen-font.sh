#!/usr/bin/env bash
# Chooses another monospace face in the screen font dialog (bold, which is dropped): the rows
# are drawn in it and it is kept for the next start. SHOT=path keeps a screenshot.
source "$(dirname "$0")/lib.sh"
start_display

file=$work/data.bin
head -c 1024 /dev/urandom >"$file"

start_program "$file"
keys alt+o Down Return
wait_for has_windows 2 || fail "the font dialog did not open"
xdotool type --delay 60 "dejavu"
settle
# The second match is the bold face.
keys Down Down Return
wait_for has_only_main || fail "the font dialog did not close"
settle
[ -n "${SHOT:-}" ] && import -window root "$SHOT"
expect_alive
quit_program
expect_eq "$(stored_setting Settings FontFaceName)" "DejaVu Sans Mono" "the face kept"
expect_quiet

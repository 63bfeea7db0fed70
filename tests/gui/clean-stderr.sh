#!/usr/bin/env bash
# A session with several documents, a tiny window and the window back to its size prints
# nothing on stderr.
source "$(dirname "$0")/lib.sh"
start_display

for name in one two three; do head -c 3000 /dev/urandom >"$work/$name.bin"; done
start_program "$work/one.bin" "$work/two.bin" "$work/three.bin"
keys ctrl+End ctrl+Home
for size in "120 60" "40 30" "500 500" "1000 700"; do
    # shellcheck disable=SC2086
    xdotool windowsize "$main" $size
    settle
done
keys Next Next
expect_alive
quit_program
expect_quiet

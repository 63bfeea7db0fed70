#!/usr/bin/env bash
# A session with several documents, a tiny window and the window back to its size, then the
# print preview resized down to nothing and paged, prints nothing on stderr.
source "$(dirname "$0")/lib.sh"
start_display

for name in one two three; do head -c 3000 /dev/urandom >"$work/$name.bin"; done
head -c 300000 /dev/urandom >"$work/pages.bin"
start_program "$work/one.bin" "$work/two.bin" "$work/three.bin" "$work/pages.bin"
keys ctrl+End ctrl+Home
for size in "120 60" "40 30" "500 500" "1000 700"; do
    # shellcheck disable=SC2086
    xdotool windowsize "$main" $size
    settle
done
keys Next Next

# File menu: the preview is the fifth step down (saving is disabled and skipped).
keys alt+f Down Down Down Down Down Return
wait_for has_windows 2 || fail "the preview did not open"
settle
preview=$(app_windows | grep -vx "$main" | head -n 1)
xdotool windowactivate --sync "$preview" 2>/dev/null || true
for size in "100 80" "40 40" "900 90" "900 120" "300 60" "900 700"; do
    # shellcheck disable=SC2086
    xdotool windowsize "$preview" $size
    settle
done
keys Next Next End Prior Home
xdotool windowsize "$preview" 900 90
settle
keys Next Prior
keys alt+F4
wait_for has_only_main || fail "the preview did not close"
expect_alive
quit_program
expect_quiet

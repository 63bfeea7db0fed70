#!/usr/bin/env bash
# A file read through the disk window is cut short by another program: going to its end shows
# one message, the program goes on, and the document can be closed.
source "$(dirname "$0")/lib.sh"
start_display

file=$work/big.bin
truncate -s 20M "$file" # larger than what is loaded whole by default
launch_program "$file"
# The notice that the file is read from the disk as it is shown.
wait_for has_windows 1 && keys Return
focus_main
truncate -s 1M "$file"
keys ctrl+End
wait_for has_windows 2 || fail "no message about the shortened file"
alive || fail "the program ended"
keys Return
wait_for has_only_main || fail "the message did not close"
# Repainting the window must not bring the message back.
keys Up Down
! WAIT_TIMEOUT=2 wait_for has_windows 2 || fail "the message came again"
keys alt+f c
! WAIT_TIMEOUT=2 wait_for has_windows 2 || fail "closing the document asked something"
alive || fail "the program ended"
expect_alive

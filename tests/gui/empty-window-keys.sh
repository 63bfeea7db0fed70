#!/usr/bin/env bash
# With no document open (at the start, and after the last one closed), Ctrl+O shows the file
# dialog and Ctrl+N makes a new document.
source "$(dirname "$0")/lib.sh"
start_display

start_program
has_only_main || fail "more than the main window at the start"
keys ctrl+o
wait_for has_windows 2 || fail "Ctrl+O showed no file dialog"
keys Escape
wait_for has_only_main || fail "the file dialog did not close"
# A new document takes typed bytes; closing it then asks whether to save them.
keys ctrl+n
keys 1 2
keys alt+f c
wait_for has_windows 2 || fail "Ctrl+N made no document (closing after typing asked nothing)"
keys Escape
wait_for has_only_main || fail "the save prompt did not close"
# Closed without saving: the window is empty again and the keys still work.
keys alt+f c
wait_for has_windows 2 || fail "closing asked nothing the second time"
keys alt+n
wait_for has_only_main || fail "the save prompt did not close"
keys ctrl+o
wait_for has_windows 2 || fail "Ctrl+O showed no file dialog after the last document closed"
keys Escape
wait_for has_only_main || fail "the file dialog did not close"
expect_alive

#!/usr/bin/env bash
# With no printer, the print command and the page setup each say so in a message of the
# program's own instead of opening the system's dialog (which could only give its own English
# warning), and the program goes on: the preview still shows the pages, on A4 paper.
source "$(dirname "$0")/../lib.sh"
require_tools import convert
# A print server that is not there, so that no printer of the machine's counts.
export CUPS_SERVER=$work/no-print-server.sock
start_display

file=$work/data.bin
head -c 1600 /dev/zero >"$file"
start_program "$file"

# The message is the program's (its caption is the program's name); Return closes it.
expect_message() {
    wait_for has_windows 2 || fail "$1 showed nothing"
    settle
    expect_eq "$(xdotool getwindowname "$(dialog_window)")" Quelm "the caption of what $1 showed"
    keys Return
    wait_for has_only_main || fail "the message about $1 did not close"
    expect_alive
}

file_menu_item $print_item
expect_message "printing"
file_menu_item $setup_item
expect_message "the page setup"

open_preview "$work/preview.png"
shape_near "$(paper_shape)" 0.707 || fail "the preview's page is not A4 upright: $(paper_shape)"
close_preview
focus_main
quit_program

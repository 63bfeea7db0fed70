#!/usr/bin/env bash
# Switches the character area through the three codes from the View menu and dumps the rows
# after each; then makes Unicode the code of new views in the options sheet, which a view opened
# after a restart shows.
source "$(dirname "$0")/lib.sh"
start_display

# "A", U+3042 and 0xE9 0x00: ASCII, a hiragana in UTF-16LE, a Shift-JIS lead byte without a trail.
file=$work/data.bin
printf 'A\000B0\351\000' >"$file"
dump=$file.dmp

# The character area of the dump's first row, in hexadecimal.
dumped_chars() {
    wait_for test -s "$dump" || fail "no dump was written"
    head -c 78 "$dump" | tail -c 16 | od -An -tx1 | tr -d ' \n'
    rm -f "$dump"
}
spaces=$(printf '20%.0s' {1..10})
dump_rows() {
    focus_main
    dump_to_file
}
# The View menu ends with シフトJIS, Unicode and ASCII (7Bit).
choose_code() {
    focus_main
    keys alt+v
    keys End "$@" Return
}

start_program "$file"
dump_rows
expect_eq "$(dumped_chars)" "412e4230e92e$spaces" "Shift-JIS"
choose_code Up
dump_rows
expect_eq "$(dumped_chars)" "412082a03f20$spaces" "Unicode"
choose_code
dump_rows
expect_eq "$(dumped_chars)" "412e42302e2e$spaces" "ASCII"

# Options, display page (Ctrl+Page Down): the focus is on the checked Shift-JIS radio, and
# the next one is Unicode.
focus_main
keys alt+o Return
wait_for has_windows 2 || fail "the options sheet did not open"
keys ctrl+Page_Down Down Return
wait_for has_only_main || fail "OK did not close the options sheet"
quit_program
expect_eq "$(stored_setting Settings nJCode)" 1 "the initial code kept"
start_program "$file"
dump_rows
expect_eq "$(dumped_chars)" "412082a03f20$spaces" "a new view"
quit_program
expect_quiet

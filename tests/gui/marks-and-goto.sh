#!/usr/bin/env bash
# Go to address places the caret, marks are set there, and the next and previous mark keys move
# to them with wrap-around. Observed through the bytes typed after each move and saved.
source "$(dirname "$0")/lib.sh"
start_display

file=$work/zeros.bin
head -c 256 /dev/zero >"$file"
cp "$file" "$work/original"

start_program "$file"
overwrite_mode
go_to 40
keys ctrl+m
go_to 80
keys ctrl+m
go_to 10
# Next mark from 0x10 is 0x40; from behind the byte typed there, 0x80; then wrap to 0x40.
keys F6 1 1 F6 2 2 F6 3 3
# Previous mark from 0x10 wraps to 0x80.
go_to 10
keys F7 4 4 ctrl+s
wait_changed "$work/original" "$file" || fail "the file was not saved"
expect_eq "$(changed_bytes "$work/original" "$file" | tr '\n' ' ')" "64 33 128 44 " "changed bytes"
expect_alive

#!/usr/bin/env bash
# Opens a file, types two bytes in insert mode and saves: the bytes land in the file and the
# one-time backup holds the original.
source "$(dirname "$0")/../lib.sh"
start_display

file=$work/data.bin
printf 'Hello\x00\x01\x82\xa0' >"$file"
cp "$file" "$work/original"
start_program "$file"
insert_mode
keys 4 1 4 2
keys ctrl+s
wait_changed "$work/original" "$file" || fail "the file was not saved"
expect_eq "$(xxd -p "$file")" "4142$(xxd -p "$work/original")" "bytes after typing in insert mode"
[ -f "$file.bak" ] || fail "no backup beside the file"
cmp -s "$file.bak" "$work/original" || fail "the backup does not hold the original bytes"
expect_alive
quit_program

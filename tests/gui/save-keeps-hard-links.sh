#!/usr/bin/env bash
# A file with two names: saving under one name changes what both show. With the backup on (the
# default) the old content goes to the backup first; with the backup off the program asks, and
# "Yes" rewrites the file for every name.
source "$(dirname "$0")/lib.sh"
start_display

head -c 64 /dev/zero >"$work/a.bin"
ln "$work/a.bin" "$work/b.bin"
cp "$work/a.bin" "$work/original"

start_program "$work/a.bin"
overwrite_mode
keys 4 1 ctrl+s
wait_changed "$work/original" "$work/b.bin" || fail "the other name still shows the old bytes"
cmp -s "$work/a.bin" "$work/b.bin" || fail "the two names differ"
expect_eq "$(stat -c %h "$work/a.bin")" 2 "names of the file"
cmp -s "$work/original" "$work/a.bin.bak" || fail "the backup does not hold the old content"
has_only_main || fail "the save asked something with the backup on"
quit_program

# The backup off, as the options sheet stores it.
store_setting Settings bBackup 0
head -c 64 /dev/zero >"$work/c.bin"
ln "$work/c.bin" "$work/d.bin"
start_program "$work/c.bin"
overwrite_mode
keys 4 1 ctrl+s
wait_for has_windows 2 || fail "no question about the other name"
keys Return # Yes: every name
wait_changed "$work/original" "$work/d.bin" || fail "the other name still shows the old bytes"
expect_eq "$(stat -c %h "$work/c.bin")" 2 "names of the file"
[ ! -e "$work/c.bin.bak" ] || fail "a backup was made with the backup off"
expect_alive
quit_program

#!/usr/bin/env bash
# Opens a real file, types two bytes in overwrite mode, saves with the default settings (backup
# on) and checks the bytes, the mode and the backup on disk.
source "$(dirname "$0")/lib.sh"
start_display

file=$work/data.bin
head -c 256 /dev/zero >"$file"
chmod 600 "$file"
cp "$file" "$work/original"

start_program "$file"
overwrite_mode
keys 4 1 a b ctrl+s
wait_changed "$work/original" "$file" || fail "the file was not saved"
expect_eq "$(changed_bytes "$work/original" "$file" | tr '\n' ' ')" "0 41 1 ab " "changed bytes"
expect_eq "$(stat -c %s "$file")" 256 "size after saving"
expect_eq "$(stat -c %a "$file")" 600 "mode after saving"
cmp -s "$work/original" "$file.bak" || fail "the backup does not hold the old content"
expect_alive
quit_program

#!/usr/bin/env bash
# Bytes copied in one document are pasted into another, a second paste is undone, and the save
# writes exactly the first paste; Ctrl+Tab moves between the documents as a user would.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
start_display

source_file=$work/a.bin
target=$work/b.bin
printf "$(printf '\\x%02x' $(seq 0 255))" >"$source_file"
head -c 32 /dev/zero >"$target"
cp "$target" "$work/original"

start_program "$source_file" "$target"
# The document opened last is active; Ctrl+Tab goes round to the first.
keys ctrl+Tab
keys ctrl+Home Down
select_right 4
keys ctrl+c
keys ctrl+Tab
insert_mode
keys ctrl+End ctrl+v ctrl+Home ctrl+v ctrl+z ctrl+s
wait_changed "$work/original" "$target" || fail "the file was not saved"
expect_eq "$(od -An -tx1 -v "$target" | tr -s ' \n' ' ')" \
    " $(printf '00 %.0s' $(seq 32))10 11 12 13 " "bytes on disk"
cmp -s "$work/original" "$target.bak" || fail "the backup does not hold the old bytes"
cmp -s <(printf "$(printf '\\x%02x' $(seq 0 255))") "$source_file" ||
    fail "the copied-from file changed"
expect_alive

#!/usr/bin/env bash
# The view keeps the keys it handles: Up leaves the keyboard focus in the view, Home and End
# without Ctrl move nothing, and Page Down moves exactly one page each time. Observed through
# the bytes typed after each key and saved.
source "$(dirname "$0")/lib.sh"
start_display

file=$work/zeros.bin
head -c 65536 /dev/zero >"$file"
cp "$file" "$work/original"
row=16

start_program "$file"
overwrite_mode
# Up from row 2 to row 1, then two bytes there: they are lost if Up took the focus away.
keys Down Down Up 1 1
# Home and End without Ctrl: the caret stays behind the typed byte (offset 17).
keys Home End Home 2 2
# One page down from the top, then ten more.
keys ctrl+Home Next 3 3 ctrl+Home Next Next Next Next Next Next Next Next Next Next 4 4
keys ctrl+s
wait_changed "$work/original" "$file" || fail "the file was not saved"

changes=$(changed_bytes "$work/original" "$file")
offset_of() { awk -v v="$1" '$2 == v { print $1; exit }' <<<"$changes"; }
expect_eq "$(offset_of 11)" $((row)) "the byte typed after Up"
expect_eq "$(offset_of 22)" $((row + 1)) "the byte typed after Home and End"
page=$(offset_of 33)
[ -n "$page" ] && [ "$page" -gt 0 ] && [ $((page % row)) -eq 0 ] ||
    fail "Page Down did not move whole rows (offset '$page')"
expect_eq "$(offset_of 44)" $((page * 10)) "ten pages down"
expect_eq "$(wc -l <<<"$changes")" 4 "number of changed bytes"
expect_alive

#!/usr/bin/env bash
# Two documents scrolled in step, one of them short: the long one still reaches its end and any
# address, and the short one is left as it was. Observed through the bytes typed and saved.
source "$(dirname "$0")/lib.sh"
start_display

short=$work/short.bin
long=$work/long.bin
head -c 64 /dev/zero >"$short"
head -c 4096 /dev/zero >"$long"
cp "$long" "$work/original"
cp "$short" "$work/short-original"

# The last file opened is the active document.
start_program "$short" "$long"
overwrite_mode
keys ctrl+b
# To the end, one row up, and a byte typed there; then to an address past the short file.
keys ctrl+End Up 1 1
go_to 800
keys 3 3 ctrl+s
wait_changed "$work/original" "$long" || fail "the long file was not saved"
expect_eq "$(changed_bytes "$work/original" "$long" | tr '\n' ' ')" "2048 33 4080 11 " "changed bytes"
cmp -s "$short" "$work/short-original" || fail "the short file changed"
expect_alive

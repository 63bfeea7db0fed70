#!/usr/bin/env bash
# Text copied from the program reaches other programs as the same characters (UTF-8 from
# Shift-JIS bytes), the escaped form marks the bytes that are not plain ASCII, and text from
# another program pastes back as its Shift-JIS bytes. Bytes that are no text (a zero, a bad pair,
# a character with two codes) are said to be so at copy time and paste back exactly.
source "$(dirname "$0")/lib.sh"
command -v xclip >/dev/null || { echo "xclip is missing (scripts/install-deps.sh)" >&2; exit 2; }
start_display

file=$work/text.bin
printf 'AB\x82\xa0CD' >"$file"
cp "$file" "$work/original"

clipboard_text() {
    xclip -o -selection clipboard -t UTF8_STRING 2>/dev/null
}
clipboard_is() {
    [ "$(clipboard_text)" = "$1" ]
}

start_program "$file"
xdotool keydown shift
for i in 1 2 3 4; do xdotool key Right; done
xdotool keyup shift
settle
keys ctrl+alt+c
wait_for clipboard_is "ABあ" || fail "text copy: clipboard holds '$(clipboard_text)'"
keys ctrl+t
wait_for clipboard_is 'AB\x82\xA0' || fail "escaped copy: clipboard holds '$(clipboard_text)'"

# Another program owns the clipboard now; the program pastes its text at the end.
printf 'Zい' | xclip -quiet -selection clipboard -i >/dev/null 2>&1 &
pids+=($!)
wait_for clipboard_is "Zい" || fail "xclip did not take the clipboard"
keys alt+o
keys End Return
keys ctrl+End ctrl+alt+v ctrl+s
wait_changed "$work/original" "$file" || fail "the file was not saved"
expect_eq "$(od -An -tx1 -v "$file" | tr -s ' \n' ' ')" " 41 42 82 a0 43 44 5a 82 a2 " "bytes on disk"
expect_alive
quit_program

printf '\x81\x20\xed\x40\x82\xa0\xfc\xfc\x41\x00\x42\xa0' >"$file"
cp "$file" "$work/original"
start_program "$file"
keys alt+o
keys End Return
xdotool keydown shift
for i in $(seq 12); do xdotool key Right; done
xdotool keyup shift
settle
keys ctrl+alt+c
wait_for has_windows 2 || fail "the copy of bytes that are no text said nothing"
keys Return
wait_for has_only_main || fail "the message did not close"
keys ctrl+End ctrl+alt+v ctrl+s
wait_changed "$work/original" "$file" || fail "the file was not saved after the paste"
expect_eq "$(od -An -tx1 -v "$file" | tr -s ' \n' ' ')" \
    " 81 20 ed 40 82 a0 fc fc 41 00 42 a0 81 20 ed 40 82 a0 fc fc 41 00 42 a0 " "bytes pasted back"
expect_alive

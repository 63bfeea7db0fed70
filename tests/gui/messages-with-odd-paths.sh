#!/usr/bin/env bash
# A file whose name is not UTF-8 (a Shift-JIS name) deep in long folder names: the question
# about a file changed by another program and the save prompt show their text, wrapped so that
# the box stays on the screen, instead of only their buttons or a box wider than the screen.
# SHOT=prefix keeps a screenshot of each box.
source "$(dirname "$0")/lib.sh"
start_display

folder=$work
for i in 1 2 3 4 5 6; do folder=$folder/a-rather-long-folder-name-number-$i; done
mkdir -p "$folder"
file=$folder/$'\x82\xa0'.bin
head -c 64 /dev/zero >"$file"

# The message box's width, which its text sets: buttons alone make a narrow box.
box_width() {
    local box
    box=$(app_windows | grep -vx "$main" | head -n 1)
    eval "$(xdotool getwindowgeometry --shell "$box")"
    echo "$WIDTH"
}
expect_readable_box() {
    local width
    width=$(box_width)
    [ -n "${SHOT:-}" ] && import -window root "$SHOT.$1.png"
    [ "$width" -ge 400 ] || fail "$1 is $width pixels wide: its text is missing"
    # The window manager holds a wider box to the screen's 1024 pixels, the text cut off.
    [ "$width" -lt 1000 ] || fail "$1 is $width pixels wide: its text runs off the screen"
}

start_program "$file"
overwrite_mode
keys 4 1
printf 'changed by another program' >"$file"
keys ctrl+s
wait_for has_windows 2 || fail "no question about the changed file"
settle
expect_readable_box "the question about the changed file"
keys alt+n
wait_for has_only_main || fail "the question did not close"
keys alt+f c
wait_for has_windows 2 || fail "closing the changed document asked nothing"
settle
expect_readable_box "the save prompt"
keys alt+n
wait_for has_only_main || fail "the save prompt did not close"
expect_eq "$(cat "$file")" "changed by another program" "the file after declining"
expect_alive
quit_program
# The recent-file item of that name has a label too (an empty one is a toolkit assertion).
grep -q 'assertion' "$work/stderr" && fail "the toolkit complained: $(grep assertion "$work/stderr")"
exit 0

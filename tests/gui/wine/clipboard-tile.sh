#!/usr/bin/env bash
# Bytes copied in one document are pasted into another (Ctrl+Tab between them, as the system's
# document-window keys do), and the window command tiles the two side by side.
source "$(dirname "$0")/lib.sh"
start_display

source_file=$work/a.bin
target=$work/b.bin
printf "$(printf '\\x%02x' $(seq 0 255))" >"$source_file"
head -c 32 /dev/zero >"$target"
cp "$target" "$work/original"

select_right() {
    xdotool keydown shift
    local i
    for ((i = 0; i < $1; i++)); do xdotool key Right; done
    xdotool keyup shift
    settle
}

start_program "$source_file" "$target"
keys ctrl+Tab
keys ctrl+Home Down
select_right 4
keys ctrl+c
keys ctrl+Tab
insert_mode
keys ctrl+End ctrl+v ctrl+s
wait_changed "$work/original" "$target" || fail "the file was not saved"
expect_eq "$(od -An -tx1 -v "$target" | tr -s ' \n' ' ')" \
    " $(printf '00 %.0s' $(seq 32))10 11 12 13 " "bytes on disk"

# The darkest one-pixel column around the middle of the main window's picture: the frames of
# two documents side by side meet there, a maximized document's view is white there.
middle_darkness() {
    local shot=$work/$1.png width x darkest=1
    import -window "$(main_window)" "$shot" 2>/dev/null || fail "no picture of the main window"
    width=$(identify -format %w "$shot")
    for ((x = width / 2 - 12; x <= width / 2 + 12; x++)); do
        darkest=$(convert "$shot" -crop "1x400+$x+150" -colorspace gray -format \
            "%[fx:min($darkest, mean)]" info:)
    done
    echo "$darkest"
}
frame_column() {
    awk -v d="$1" 'BEGIN { exit !(d < 0.8) }'
}

frame_column "$(middle_darkness maximized)" && fail "a frame in the middle before tiling"
keys shift+F4
frame_column "$(middle_darkness tiled)" || fail "the documents were not tiled side by side"
expect_alive

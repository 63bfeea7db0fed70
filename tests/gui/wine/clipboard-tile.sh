#!/usr/bin/env bash
# The copy and paste between two documents of the Linux scenario, then the window command tiles
# the two side by side.
source "$(dirname "$0")/../clipboard-across-documents.sh"

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

#!/usr/bin/env bash
# Prints a file of 100 rows through the File menu and the print dialog to the scenario's own
# printer and checks the PostScript it wrote: two pages (64 rows, then 36) with the rows'
# addresses and bytes. Then the print preview: an upright A4 page of rows, Page Down
# turns to the second page, Escape closes it; after landscape is chosen in the page setup, the
# preview's page lies on its side; the program still exits cleanly. SHOT=path keeps the
# preview's picture.
source "$(dirname "$0")/../lib.sh"
require_tools fc-list import convert
start_file_printer
start_display

# 100 rows of printable bytes.
file=$work/data.bin
python3 -c 'import sys; open(sys.argv[1], "wb").write(bytes(0x20 + i % 95 for i in range(1600)))' "$file"
start_program "$file"

file_menu_item $print_item
wait_for has_windows 2 || fail "the print dialog did not open"
settle
keys Return
wait_printed || fail "nothing was printed (printer log: $(cat "$work/cups/error_log" 2>/dev/null))"
wait_for has_only_main || fail "the print dialog did not close"

expect_eq "$(grep -c '^%%Page:' "$printed")" 2 "pages printed"
python3 "$(dirname "$0")/printed-text.py" "$printed" >"$work/printed.txt" ||
    fail "the printed text does not read"
rows_on() {
    grep -c "^$1"$'\t''0000:' "$work/printed.txt" || true
}
expect_eq "$(rows_on 1)" 64 "rows on page 1"
expect_eq "$(rows_on 2)" 36 "rows on page 2"
grep -qxF $'1\t0000:0000  20 21 22 23 24 25 26 27  28 29 2A 2B 2C 2D 2E 2F    !"#$%&\'()*+,-./' \
    "$work/printed.txt" || fail "the first row is not as on the screen: $(sed -n 2p "$work/printed.txt")"
grep -qxF $'2\t0000:0630  60 61 62 63 64 65 66 67  68 69 6A 6B 6C 6D 6E 6F   `abcdefghijklmno' \
    "$work/printed.txt" || fail "the last row is not as on the screen: $(tail -n 1 "$work/printed.txt")"
for page in 1 2; do
    grep -qE "^$page"$'\t''ファイル: .*data\.bin +サイズ: 640 Byte *[0-9]{4}年[0-9]{2}月[0-9]{2}日[0-9]{2}時[0-9]{2}分$' \
        "$work/printed.txt" || fail "page $page has no header"
done

title() {
    xdotool getwindowname "$preview"
}

open_preview "${SHOT:-$work/preview.png}"
grep -q ' 1 ' <<<"$(title)" || fail "the preview does not start on page 1: $(title)"
# The middle of the window is the page: mostly paper, with the rows' ink on it.
middle_share() {
    convert "$shot" -gravity center -crop 40%x40%+0+0 +repage -colorspace gray "$@" \
        -format '%[fx:mean]' info:
}
paper=$(middle_share -fx 'p > 0.98')
ink=$(middle_share -fx 'p < 0.75')
awk -v paper="$paper" -v ink="$ink" 'BEGIN { exit !(paper > 0.7 && ink > 0.01) }' ||
    fail "the preview shows no page of rows (paper $paper, ink $ink)"
# The printer's A4 printable area: 559 by 806 points.
shape_near "$(paper_shape)" 0.694 || fail "the preview's page is not A4 upright: $(paper_shape)"
keys Next
wait_for sh -c 'xdotool getwindowname "$1" | grep -q " 2 "' _ "$preview" ||
    fail "Page Down did not turn to page 2: $(title)"
keys Next
grep -q ' 2 ' <<<"$(title)" || fail "Page Down went past the last page: $(title)"
close_preview
expect_alive

# Landscape paper from the page setup: the preview follows it.
file_menu_item $setup_item
wait_for has_windows 2 || fail "the page setup dialog did not open"
settle
keys alt+l Return
wait_for has_only_main || fail "the page setup dialog did not close"
open_preview "$work/landscape.png"
shape_near "$(paper_shape)" 1.441 || fail "the preview's page is not landscape: $(paper_shape)"
close_preview
expect_alive
focus_main
quit_program

#!/usr/bin/env bash
# Prints pages 2 to 3 of a three-page file through the GTK print dialog, then the whole file on
# landscape paper, and checks the PDFs: the pages asked for, and landscape rows drawn whole
# (every row's glyphs as tall as those of the last row of a group, which nothing covers).
source "$(dirname "$0")/lib.sh"
for tool in pdftotext pdftoppm; do
    command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/install-deps.sh)" >&2; exit 2; }
done
export GTK_PRINT_BACKENDS=file
start_display

# 150 rows: pages of 64, 64 and 22 rows.
file=$work/data.bin
python3 -c 'import sys; open(sys.argv[1], "wb").write(bytes(0x20 + i % 95 for i in range(2400)))' "$file"
program=$(readlink -f "$program")
cd "$work"
start_program "$file"

# Opens the print dialog from the File menu and picks the file printer; sets X and Y to the
# dialog's position, from which its controls are found.
# The file printer writes 出力.pdf ("output" in Japanese, as the program speaks it) into the
# program's working folder.
pdf=$work/出力.pdf
open_print_dialog() {
    focus_main
    keys alt+f Down Down Down Down Return
    wait_for has_windows 2 || fail "the print dialog did not open"
    settle
    local dialog
    dialog=$(app_windows | grep -vx "$main" | head -n 1)
    eval "$(xdotool getwindowgeometry --shell "$dialog")"
    xdotool mousemove $((X + 80)) $((Y + 66)) click 1
    settle
}
print_and_wait() {
    rm -f "$pdf"
    xdotool mousemove $((X + 574)) $((Y + 466)) click 1
    WAIT_TIMEOUT=20 wait_for test -s "$pdf" || fail "no PDF was printed"
    wait_for has_only_main || fail "the print dialog did not close"
    WAIT_TIMEOUT=20 wait_for sh -c 'pdfinfo "$1" >/dev/null 2>&1' _ "$pdf" ||
        fail "the PDF was not finished"
}

open_print_dialog
# Range: "Pages" and its box.
xdotool mousemove $((X + 34)) $((Y + 406)) click 1
xdotool mousemove $((X + 187)) $((Y + 406)) click 1
xdotool key ctrl+a
xdotool type "2-3"
settle
print_and_wait
pages=$(pdfinfo "$pdf" | sed -n 's/^Pages: *//p')
expect_eq "$pages" 2 "pages printed for the range 2-3"
page2=$(pdftotext -f 1 -l 1 -raw "$pdf" -)
page3=$(pdftotext -f 2 -l 2 -raw "$pdf" -)
grep -q '^ファイル: ' <<<"$page2" || fail "page 2 has no header: $page2"
expect_eq "$(grep '^0000:' <<<"$page2" | head -n 1 | cut -c1-9)" "0000:0400" "first row of page 2"
expect_eq "$(grep '^0000:' <<<"$page3" | tail -n 1 | cut -c1-9)" "0000:0950" "last row of page 3"

open_print_dialog
# Page Setup tab, orientation: landscape.
xdotool mousemove $((X + 138)) $((Y - 3)) click 1
settle
xdotool mousemove $((X + 517)) $((Y + 228)) click 1
settle
keys Down Return
print_and_wait
pdfinfo "$pdf" | grep -q '^Page size: *841.89 x 595.27' || fail "the page is not landscape"
page1=$(pdftotext -f 1 -l 1 -raw "$pdf" -)
expect_eq "$(grep -c '^0000:' <<<"$page1")" 64 "rows on the first landscape page"
pdftoppm -r 150 -gray -f 1 -l 1 "$pdf" "$work/land"
# Ink bands of the address column (from the left margin, 20 mm): the header, then one a row;
# the last 64 are the rows.
python3 - "$work"/land-1.pgm <<'PY' || fail "landscape rows are not drawn whole"
import sys
data = open(sys.argv[1], "rb").read()
parts = data.split(maxsplit=4)
w, h = int(parts[1]), int(parts[2])
pixels = parts[4]
left, right = 110, 175
inked = [any(pixels[y * w + x] < 128 for x in range(left, right)) for y in range(h)]
bands, start = [], None
for y, ink in enumerate(inked + [False]):
    if ink and start is None:
        start = y
    elif not ink and start is not None:
        bands.append(y - start)
        start = None
rows = bands[-64:]
print("bands:", len(bands), "row heights:", min(rows), "to", max(rows), file=sys.stderr)
sys.exit(0 if len(bands) > 64 and max(rows) - min(rows) <= 1 else 1)
PY

expect_alive
quit_program

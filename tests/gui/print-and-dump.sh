#!/usr/bin/env bash
# Prints a file to PDF through the GTK print dialog, opens the print preview and dumps the rows
# to "<file>.dmp", then checks the PDF's text and the dump against the rows the file should
# give. SHOT=path keeps a screenshot of the preview.
source "$(dirname "$0")/lib.sh"
command -v pdftotext >/dev/null || { echo "pdftotext is missing (scripts/install-deps.sh)" >&2; exit 2; }
# Only the printer that writes files, so the dialog offers nothing else.
export GTK_PRINT_BACKENDS=file
start_display

# 100 rows of printable bytes, with the Shift-JIS hiragana 0x82 0xA0 at 0x12.
file=$work/data.bin
python3 - "$file" <<'PY'
import sys
data = bytearray(0x20 + i % 95 for i in range(1600))
data[0x12:0x14] = b"\x82\xa0"
open(sys.argv[1], "wb").write(data)
PY
# The rows as the view shows them: address, hex area with a gap after the eighth byte, two
# spaces and the characters.
python3 - "$file" "$work/expected.dmp" <<'PY'
import sys
data = open(sys.argv[1], "rb").read()
out = bytearray()
for pos in range(0, len(data), 16):
    row = data[pos:pos + 16]
    hexes = "".join("%02X " % b + (" " if j == 7 else "") for j, b in enumerate(row))
    out += ("%04X:%04X  " % (pos >> 16, pos & 0xFFFF) + hexes.ljust(49) + "  ").encode()
    out += row.ljust(16, b" ") + b"\r\n"
open(sys.argv[2], "wb").write(out)
PY

# The file printer writes 出力.pdf ("output", as it speaks Japanese like the program) into the
# program's working folder.
ln -s 出力.pdf "$work/output.pdf"
program=$(readlink -f "$program")
cd "$work"
start_program "$file"

# File menu: the print item is the fourth step down (saving is disabled and skipped).
keys alt+f Down Down Down Down Return
wait_for has_windows 2 || fail "the print dialog did not open"
settle
dialog=$(app_windows | grep -vx "$main" | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$dialog")"
# The first row of the printer list: "Print to File".
xdotool mousemove $((X + 80)) $((Y + 96)) click 1
settle
keys Return
WAIT_TIMEOUT=20 wait_for test -s "$work/output.pdf" || fail "no PDF was printed"
wait_for has_only_main || fail "the print dialog did not close"
WAIT_TIMEOUT=20 wait_for sh -c 'pdfinfo "$1" 2>/dev/null | grep -q "^Pages: *2$"' _ "$work/output.pdf" ||
    fail "the PDF does not have the two pages of 100 rows"
page1=$(pdftotext -f 1 -l 1 -raw "$work/output.pdf" - | tr -s ' ')
grep -qF "ファイル: $file サイズ: 640 Byte" <<<"$page1" || fail "page 1 has no header: $page1"
grep -qE '^ファイル: .* [0-9]{4}年[0-9]{2}月[0-9]{2}日[0-9]{2}時[0-9]{2}分$' <<<"$page1" ||
    fail "page 1 has no time in its header"
# On A4 the 20 mm margins are 56.7 points from the left and 538.6 from the left edge on the right.
edges=$(pdftotext -f 1 -l 1 -bbox "$work/output.pdf" - |
    sed -n 's/.*xMin="\([0-9.]*\)".*xMax="\([0-9.]*\)".*>\(ファイル:\|[0-9]*年.*分\)<.*/\1 \2/p')
python3 - "$edges" <<'PY' || fail "the header is not at the margins: $edges"
import sys
(left, _), (_, right) = [tuple(map(float, l.split())) for l in sys.argv[1].splitlines()]
sys.exit(0 if abs(left - 56.69) < 1 and abs(right - 538.58) < 1 else 1)
PY
grep -qF '0000:0000 20 21 22 23 24 25 26 27 28 29 2A 2B 2C 2D 2E 2F !"#$%&' <<<"$page1" ||
    fail "page 1 does not start with row 0"
grep -qF '0000:0010 30 31 82 A0 34' <<<"$page1" || fail "row 1 is missing"
grep -q '^0000:0010 .*01あ45' <<<"$page1" || fail "the hiragana of row 1 is not printed whole"
grep -qF '0000:03F0' <<<"$page1" || fail "page 1 does not reach row 63"
if grep -qF '0000:0400' <<<"$page1"; then fail "row 64 is on page 1"; fi
pdftotext -f 2 -l 2 -raw "$work/output.pdf" - | grep -qF '0000:0630' || fail "page 2 lacks the last row"

# The preview: a window of its own over the main one, gone again when closed.
focus_main
keys alt+f Down Down Down Down Down Return
wait_for has_windows 2 || fail "the preview did not open"
sleep 1
[ -n "${SHOT:-}" ] && import -window root "$SHOT"
preview=$(app_windows | grep -vx "$main" | head -n 1)
xdotool windowactivate --sync "$preview" 2>/dev/null || true
keys alt+F4
wait_for has_only_main || fail "the preview did not close"

focus_main
dump_to_file
wait_for test -s "$file.dmp" || fail "no dump was written"
cmp "$file.dmp" "$work/expected.dmp" || fail "the dump differs from the rows"

expect_alive
quit_program

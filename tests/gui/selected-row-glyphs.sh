#!/usr/bin/env bash
# A selection that splits double-byte characters only colours its columns: the characters of
# the row keep their shapes. Bytes 1-4 of こんにちは世界。 are selected; the character area of the
# row, with the highlight colours turned back into the window's, must show what it showed
# before the selection.
source "$(dirname "$0")/lib.sh"
start_display

file=$work/greeting.bin
printf '\x82\xb1\x82\xf1\x82\xc9\x82\xbf\x82\xcd\x90\xa2\x8a\x45\x81\x42' >"$file"

start_program "$file"
keys Right
import -window root -depth 8 "$work/plain.ppm"
xdotool keydown shift
for i in 1 2 3 4; do xdotool key Right; done
xdotool keyup shift
settle
import -window root -depth 8 "$work/selected.ppm"

verdict="$(python3 - "$work/plain.ppm" "$work/selected.ppm" 2>&1 <<'PY'
import sys
from collections import Counter

def load(path):
    data = open(path, 'rb').read()
    fields, pos = [], 0
    while len(fields) < 4:  # P6, width, height, maximum
        while data[pos:pos + 1].isspace():
            pos += 1
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    if fields[3] != b'255':
        sys.exit(f"{path}: not 8 bits a channel")
    return int(fields[1]), int(fields[2]), data[pos + 1:]

width, height, plain = load(sys.argv[1])
_, _, selected = load(sys.argv[2])

def pixel(img, x, y):
    i = 3 * (y * width + x)
    return tuple(img[i:i + 3])

# The highlight's background is the commonest colour the selection brought.
changed = Counter(pixel(selected, x, y) for y in range(height) for x in range(width)
                  if pixel(selected, x, y) != pixel(plain, x, y))
if not changed:
    sys.exit("the selection changed nothing on the screen")
highlight = changed.most_common(1)[0][0]
cells = [(x, y) for y in range(height) for x in range(width)
         if pixel(selected, x, y) == highlight]
top, bottom = min(y for _, y in cells), max(y for _, y in cells)
columns = {x for x, _ in cells}
# The rightmost run of highlighted columns is the character area's: characters 1 to 4.
right = max(columns)
left = right
while left - 1 in columns:
    left -= 1
w = (right - left + 1) // 4
area = [(x, y) for y in range(top, bottom + 1) for x in range(left - w, left + 15 * w)]

def far(img, points, back):
    return max((pixel(img, x, y) for x, y in points),
               key=lambda p: sum((a - b) ** 2 for a, b in zip(p, back)))

def inked(p, back, text):
    # How far p lies from the background towards the text colour, more than half way.
    d = [t - b for t, b in zip(text, back)]
    return 2 * sum((c - b) * e for c, b, e in zip(p, back, d)) > sum(e * e for e in d)

window = Counter(pixel(plain, x, y) for x, y in area).most_common(1)[0][0]
window_text = far(plain, area, window)
lit = [(x, y) for x, y in area if left <= x <= right]
lit_text = far(selected, lit, highlight)
ink = mismatches = 0
for x, y in area:
    before = inked(pixel(plain, x, y), window, window_text)
    if left <= x <= right:
        after = inked(pixel(selected, x, y), highlight, lit_text)
    else:
        after = inked(pixel(selected, x, y), window, window_text)
    ink += before
    mismatches += before != after
if ink < 50:
    sys.exit(f"the character area shows almost nothing ({ink} ink pixels, cell {w})")
if mismatches * 20 > ink:
    sys.exit(f"the selected row's characters differ: {mismatches} of {ink} ink pixels")
PY
)" || fail "$verdict"
expect_alive

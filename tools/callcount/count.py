#!/usr/bin/env python3
"""Counts the calls in a file CallCount.cpp wrote.

usage: count.py program calls start stored shown folders [--tree]

Counts the calls made under the first call of the function `start`, in the order they ran: a
call into one of `folders` (view, commands, ...) counts, and so does every call such a function
makes; a call into any other folder (the engine, the framework) counts once, and what it calls
counts only where that comes back into `folders`. Constructors and destructors do not count.
Prints after how many calls a function matching `stored` and one matching `shown` had both run,
and the count of the whole handling; "back into the view" counts the calls into CKolvaView or
CRowView made from outside the view class.
"""
import os
import re
import subprocess
import sys

VIEW = ('CKolvaView::', 'CRowView::')


def short(name):
    return re.sub(r'^.*?(C\w+::)', r'\1', re.sub(r'\(.*$', '', name))


def resolve(program, addresses):
    lines = subprocess.run(['addr2line', '-f', '-C', '-e', program] +
                           ['0x' + a for a in addresses],
                           capture_output=True, text=True, check=True).stdout.splitlines()
    found = {}
    for i, address in enumerate(addresses):
        path = os.path.normpath(lines[2 * i + 1].split(':')[0])
        match = re.search(r'/(platform/\w+|view|commands|shell|engine|tests|tools)/[^/]+$', path)
        found[address] = (short(lines[2 * i]), match.group(1) if match else '?',
                          match.group(0) if match else path)
    return found


def is_constructor(name):
    parts = name.split('::')
    return len(parts) >= 2 and (parts[-1] == parts[-2] or parts[-1].startswith('~'))


def main():
    program, calls, start, stored, shown, folders = sys.argv[1:7]
    tree = '--tree' in sys.argv
    folders = folders.split(',')
    rows = [(int(depth), address) for depth, address in (line.split() for line in open(calls))]
    names = resolve(program, sorted({address for _, address in rows}))
    first = next(i for i, (_, address) in enumerate(rows) if names[address][0] == start)
    base = rows[first][0]
    frames = [(base, True, start)]  # depth, inside the folders, nearest counted caller
    total = back = 0
    at_stored = at_shown = both = back_at_both = None
    for depth, address in rows[first + 1:]:
        if depth <= base:
            break
        while frames[-1][0] >= depth:
            frames.pop()
        name, folder, path = names[address]
        inside = folder in folders
        caller_inside, caller = frames[-1][1], frames[-1][2]
        counted = not is_constructor(name) and (inside or caller_inside)
        frames.append((depth, inside, name if counted else caller))
        if not counted:
            continue
        total += 1
        into_view = name.startswith(VIEW) and not caller.startswith(VIEW)
        back += into_view
        if tree:
            print('%3d %s%s%s   %s' % (total, '  ' * (depth - base - 1), name,
                                       '   <- back into the view' if into_view else '', path))
        if at_stored is None and re.search(stored, name):
            at_stored = total
        if at_shown is None and re.search(shown, name):
            at_shown = total
        if both is None and at_stored and at_shown:
            both, back_at_both = total, back
    print('stored at call %s, shown at %s: both after %s calls (%s back into the view); '
          'whole handling %d calls (%d back into the view)'
          % (at_stored, at_shown, both, back_at_both, total, back))


if __name__ == '__main__':
    main()

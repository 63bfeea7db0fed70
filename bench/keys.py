#!/usr/bin/env python3
"""CPU the real program spends on held keys and on a save.

Down and Page Down, 150 presses each at about the rate of a held key, near the end of a 256 MiB
file (view only): the program's CPU per key against RepaintBench's one-row scroll, run in the
same script. Page Down is also compared with the first --program (a build of main, say). A save
of a 16 MiB file after a one-byte change: the CPU from Ctrl+S until the program is quiet, and
the part of it after the saved file took the name. CPU is every thread's, from the scheduler's
nanosecond counters (xprocess.cpu_seconds).

    python3 bench/keys.py --repaint build-bench/bench/RepaintBench \\
        --program before=../main/build/app/quelm --program after=build-bench/app/quelm

Runs are interleaved, medians reported; the verdicts are the last --program's.
"""
import argparse
import math
import os
import subprocess
import tempfile
import threading
import time

import xprocess

PRESSES = 150
KEY_DELAY_MS = 40  # about the rate of a held key
SETUP_DELAY_MS = 5
BIG_FILE = 256 << 20
SAVE_FILE = 16 << 20
CHUNK = 1 << 20
PAGES_BACK = PRESSES + 5  # room below the caret for every Page Down
ROWS_BACK_PAGES = 20  # room for every Down
RENAME_POLL_SECONDS = 0.0005
SAVE_TIMEOUT_SECONDS = 30
REPAINT_SCREEN = "1600x2000x24"  # RepaintBench's view of 60 rows
DOWN_TARGET = 2.0  # CPU per Down / RepaintBench's one-row scroll
PAGE_DOWN_TARGET = 0.5  # CPU per Page Down / the first program's
AFTER_RENAME_TARGET_MS = 20.0


def keys(*names, delay=KEY_DELAY_MS):
    subprocess.run(["xdotool", "key", "--delay", str(delay), *names], check=True)


def focus_main(run):
    """Gives the keyboard focus to the program's only window."""
    window = next(iter(xprocess.windows(run.process.pid)))
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def dismiss_messages(run, file_name, attempts=3):
    """Answers Return to whatever the program shows besides the window of file_name."""
    for _ in range(attempts):
        shown = xprocess.windows(run.process.pid)
        others = [w for w, title in shown.items() if file_name not in title]
        if not others and shown:
            return
        for window in others:
            subprocess.run(["xdotool", "windowfocus", "--sync", window, "key", "Return"],
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        run.wait_quiet()
    raise RuntimeError("the program kept showing a message")


def cpu_per_key(run, key, setup):
    keys(*setup, delay=SETUP_DELAY_MS)
    before = run.wait_quiet()
    keys(*[key] * PRESSES)
    return (run.wait_quiet() - before) / PRESSES


def keys_run(program, big):
    run = xprocess.Run([program, big])
    try:
        run.wait_quiet()
        dismiss_messages(run, os.path.basename(big))  # the file opens view only: a message
        focus_main(run)
        down = cpu_per_key(run, "Down", ["ctrl+End"] + ["Prior"] * ROWS_BACK_PAGES)
        page = cpu_per_key(run, "Next", ["ctrl+End"] + ["Prior"] * PAGES_BACK)
        return down, page
    finally:
        run.close()


def save_run(program, small, work):
    path = os.path.join(work, "save.bin")
    subprocess.run(["cp", small, path], check=True)
    run = xprocess.Run([program, path])
    try:
        run.wait_quiet()
        focus_main(run)
        keys("alt+o")  # overwrite mode: the item above the last of the settings menu
        keys("End", "Up", "Return")
        keys("4", "1")
        before = run.wait_quiet()
        inode = os.stat(path).st_ino
        at_rename = []

        def watch():
            end = time.monotonic() + SAVE_TIMEOUT_SECONDS
            while time.monotonic() < end:
                try:
                    if os.stat(path).st_ino != inode:
                        at_rename.append(xprocess.cpu_seconds(run.process.pid))
                        return
                except FileNotFoundError:
                    pass
                time.sleep(RENAME_POLL_SECONDS)

        watcher = threading.Thread(target=watch)
        watcher.start()
        keys("ctrl+s")
        watcher.join()
        after = run.wait_quiet()
        if not at_rename:
            raise RuntimeError("the file was not saved")
        return after - before, after - at_rename[0]
    finally:
        run.close()
        for leftover in (path, path + ".bak"):
            if os.path.exists(leftover):
                os.remove(leftover)


def repaint_scroll_seconds(repaint, attempts=3):
    """RepaintBench's one-row scroll; on a busy machine a pair now and then misses its paint
    and reads nan, and is run again."""
    for _ in range(attempts):
        out = subprocess.run(["xvfb-run", "-a", "-s", f"-screen 0 {REPAINT_SCREEN}", repaint],
                             capture_output=True, text=True, check=True).stdout
        for line in out.splitlines():
            if line.startswith("one-row scroll with its repaint"):
                seconds = float(line.split()[-2]) / 1e6
                if math.isfinite(seconds):
                    return seconds
    raise RuntimeError("RepaintBench printed no one-row scroll:\n" + out)


def make_file(path, size):
    with open("/dev/urandom", "rb") as src, open(path, "wb") as dst:
        for _ in range(size // CHUNK):
            dst.write(src.read(CHUNK))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--program", action="append", required=True,
                        help="NAME=PATH of a program to measure; repeat to compare builds")
    parser.add_argument("--repaint", required=True, help="RepaintBench")
    parser.add_argument("--runs", type=int, default=5)
    args = parser.parse_args()
    programs = xprocess.parse_programs(args.program)
    figures = {name: {"down": [], "page": [], "save": [], "after": []} for name, _ in programs}
    scrolls = []
    with tempfile.TemporaryDirectory(prefix="quelm-keys-") as work:
        big, small = os.path.join(work, "big.bin"), os.path.join(work, "small.bin")
        make_file(big, BIG_FILE)
        make_file(small, SAVE_FILE)
        with xprocess.display([programs[0][1]]):
            for n in range(args.runs):
                scrolls.append(repaint_scroll_seconds(args.repaint))
                for name, path in programs:
                    f = figures[name]
                    down, page = keys_run(path, big)
                    save, after = save_run(path, small, work)
                    for key, value in (("down", down), ("page", page), ("save", save),
                                       ("after", after)):
                        f[key].append(value)
                    print(f"run {n + 1} {name}: Down {down * 1e6:.0f} us, Page Down "
                          f"{page * 1e6:.0f} us, save {save * 1e3:.1f} ms "
                          f"({after * 1e3:.1f} ms after the rename), one-row scroll "
                          f"{scrolls[-1] * 1e6:.0f} us", flush=True)
    scroll = xprocess.median(scrolls)
    print(f"medians of {args.runs} runs; RepaintBench's one-row scroll {scroll * 1e6:.0f} us")
    med = {name: {k: xprocess.median(v) for k, v in f.items()} for name, f in figures.items()}
    for name, m in med.items():
        print(f"  {name}: Down {m['down'] * 1e6:.0f} us ({m['down'] / scroll:.2f}x the scroll), "
              f"Page Down {m['page'] * 1e6:.0f} us, save {m['save'] * 1e3:.1f} ms, after the "
              f"rename {m['after'] * 1e3:.1f} ms")
    last = med[programs[-1][0]]
    ok = xprocess.verdict("CPU per Down key / one-row scroll", last["down"] / scroll,
                          DOWN_TARGET)
    if len(programs) > 1:
        first = med[programs[0][0]]
        ok &= xprocess.verdict(f"CPU per Page Down key / {programs[0][0]}'s",
                               last["page"] / first["page"], PAGE_DOWN_TARGET)
    ok &= xprocess.verdict("save CPU after the rename / 20 ms",
                           last["after"] * 1e3 / AFTER_RENAME_TARGET_MS, 1.0)
    return 0 if ok else 1


if __name__ == "__main__":
    raise SystemExit(main())

#!/usr/bin/env python3
"""CPU the real program spends on held keys and on a save, under a virtual display.

Down and Page Down, 150 presses each, near the end of a 256 MiB file (view-only): the program's
CPU per key, read from /proc/<pid>/stat, against RepaintBench's one-row scroll run in the same
script. A save of a 16 MiB file after a one-byte change: the program's CPU from Ctrl+S until it is
quiet, and the part of it after the saved file took the name (per-thread schedstat, in ns, since
/proc/<pid>/stat counts in 10 ms ticks).

    bench/keys.py --program build/app/quelm --repaint build/bench/RepaintBench [--runs 5]

Each run starts a fresh program; the figures are the medians of the runs. Needs Xvfb, openbox and
xdotool. Exits non-zero when a verdict fails.
"""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import threading
import time

PRESSES = 150
KEY_DELAY_MS = 40  # about the rate of a held key
BIG_FILE = 256 << 20
SAVE_FILE = 16 << 20
PAGES_BACK = PRESSES + 5  # room below the caret for every Page Down
ROWS_BACK_PAGES = 20  # pages up from the end: room for every Down
QUIET_SECONDS = 0.6  # no CPU used for this long: the program is idle
DOWN_TARGET = 2.0  # CPU per Down key / one-row scroll of RepaintBench
SAVE_AFTER_RENAME_TARGET_MS = 20.0
TICK_NS = 1e9 / os.sysconf("SC_CLK_TCK")


def stat_cpu_ns(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) * TICK_NS  # utime + stime


def sched_cpu_ns(pid):
    total = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{task}/schedstat") as f:
                total += int(f.read().split()[0])
        except OSError:
            pass  # a thread that ended meanwhile
    return total


def wait_quiet(pid, timeout=60):
    """Waits until the process used no CPU for QUIET_SECONDS."""
    end = time.time() + timeout
    last = sched_cpu_ns(pid)
    still_since = time.time()
    while time.time() < end:
        time.sleep(0.1)
        now = sched_cpu_ns(pid)
        if now != last:
            last, still_since = now, time.time()
        elif time.time() - still_since >= QUIET_SECONDS:
            return
    raise RuntimeError("the program never went quiet")


def xdotool(*args, check=True):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True, check=check).stdout


def keys(*names, delay=KEY_DELAY_MS):
    xdotool("key", "--delay", str(delay), *names)


class Display:
    def __init__(self, number, work):
        self.name = f":{number}"
        self.procs = []
        os.environ["DISPLAY"] = self.name
        self.procs.append(subprocess.Popen(
            ["Xvfb", self.name, "-screen", "0", "1600x2000x24", "-nolisten", "tcp", "-noreset"],
            stderr=open(os.path.join(work, "xvfb.log"), "w")))
        self._wait(lambda: subprocess.run(["xdpyinfo"], capture_output=True).returncode == 0)
        self.procs.append(subprocess.Popen(["openbox", "--sm-disable"],
                                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        self._wait(lambda: subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"],
                                          capture_output=True).returncode == 0)

    @staticmethod
    def _wait(ready, timeout=20):
        end = time.time() + timeout
        while not ready():
            if time.time() > end:
                raise RuntimeError("the display did not start")
            time.sleep(0.1)

    def close(self):
        for p in reversed(self.procs):
            p.terminate()
            p.wait()


class Program:
    """The program on its arguments; message: it first says so (a file opened view-only)."""

    def __init__(self, path, args, work, message=False):
        self.proc = subprocess.Popen([path, *args], stdout=subprocess.DEVNULL,
                                     stderr=open(os.path.join(work, "stderr"), "a"))
        self.pid = self.proc.pid
        Display._wait(lambda: self.window() is not None)
        if message:
            shown = self.window()
            self.focus(shown)
            keys("Return")
            Display._wait(lambda: self.window() not in (None, shown))
        self.focus(self.window())
        wait_quiet(self.pid)

    @staticmethod
    def focus(window):
        for _ in range(100):
            if xdotool("getwindowfocus", check=False).strip() == window:
                break
            xdotool("windowactivate", window, check=False)
            time.sleep(0.2)

    def window(self):
        out = xdotool("search", "--onlyvisible", "--pid", str(self.pid), check=False).split()
        return out[0] if out else None

    def close(self):
        self.proc.kill()
        self.proc.wait()


def cpu_per_key(program, key, setup):
    keys(*setup, delay=5)
    wait_quiet(program.pid)
    before = stat_cpu_ns(program.pid)
    keys(*[key] * PRESSES)
    wait_quiet(program.pid)
    return (stat_cpu_ns(program.pid) - before) / PRESSES


def save_cpu(program, path):
    keys("alt+o")  # overwrite mode: the item above the last of the settings menu
    keys("End", "Up", "Return")
    keys("4", "1")
    wait_quiet(program.pid)
    inode = os.stat(path).st_ino
    at_rename = []

    def watch():
        while True:
            try:
                if os.stat(path).st_ino != inode:
                    at_rename.append(sched_cpu_ns(program.pid))
                    return
            except FileNotFoundError:
                pass
            time.sleep(0.0005)

    watcher = threading.Thread(target=watch)
    before = sched_cpu_ns(program.pid)
    watcher.start()
    keys("ctrl+s")
    watcher.join(timeout=30)
    wait_quiet(program.pid)
    after = sched_cpu_ns(program.pid)
    if not at_rename:
        raise RuntimeError("the file was not saved")
    return after - before, after - at_rename[0]


def repaint_scroll_ns(repaint):
    out = subprocess.run([repaint], capture_output=True, text=True,
                         check=True).stdout
    for line in out.splitlines():
        if line.startswith("one-row scroll with its repaint"):
            return float(line.split()[-2]) * 1e3
    raise RuntimeError("RepaintBench printed no one-row scroll:\n" + out)


def make_file(path, size):
    with open("/dev/urandom", "rb") as src, open(path, "wb") as dst:
        left = size
        while left:
            chunk = src.read(min(left, 1 << 20))
            dst.write(chunk)
            left -= len(chunk)


def one_run(args, work, big, small):
    result = {"scroll": repaint_scroll_ns(args.repaint)}
    program = Program(args.program, [big], work, message=True)
    try:
        result["down"] = cpu_per_key(program, "Down",
                                     ["ctrl+End"] + ["Prior"] * ROWS_BACK_PAGES)
        result["next"] = cpu_per_key(program, "Next", ["ctrl+End"] + ["Prior"] * PAGES_BACK)
    finally:
        program.close()
    saved = os.path.join(work, "save.bin")
    shutil.copyfile(small, saved)
    for leftover in (saved + ".bak",):
        if os.path.exists(leftover):
            os.remove(leftover)
    program = Program(args.program, [saved], work)
    try:
        result["save"], result["after_rename"] = save_cpu(program, saved)
    finally:
        program.close()
    return result


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--program", required=True)
    parser.add_argument("--repaint", required=True, help="RepaintBench")
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--display", type=int, default=94)
    parser.add_argument("--page-down-before-us", type=float,
                        help="CPU per Page Down of the build to halve, in us")
    args = parser.parse_args()
    work = tempfile.mkdtemp(prefix="quelm-keys-")
    os.environ["GSETTINGS_BACKEND"] = "memory"
    os.environ["XDG_CONFIG_HOME"] = os.path.join(work, "config")
    display = Display(args.display, work)
    try:
        big, small = os.path.join(work, "big.bin"), os.path.join(work, "small.bin")
        make_file(big, BIG_FILE)
        make_file(small, SAVE_FILE)
        # The first GTK client of a display pays for loading the renderer: a throw-away one.
        Program(args.program, [], work).close()
        runs = []
        for n in range(args.runs):
            runs.append(one_run(args, work, big, small))
            r = runs[-1]
            print(f"run {n + 1}: scroll {r['scroll'] / 1e3:.1f} us, Down {r['down'] / 1e3:.1f} us,"
                  f" Page Down {r['next'] / 1e3:.1f} us, save {r['save'] / 1e6:.1f} ms"
                  f" ({r['after_rename'] / 1e6:.1f} ms after the rename)", flush=True)
    finally:
        display.close()
        shutil.rmtree(work, ignore_errors=True)
    med = {k: statistics.median(r[k] for r in runs) for k in runs[0]}
    print(f"medians of {len(runs)} runs:")
    print(f"  one-row scroll (RepaintBench)   {med['scroll'] / 1e3:9.1f} us")
    print(f"  CPU per Down key                {med['down'] / 1e3:9.1f} us")
    print(f"  CPU per Page Down key           {med['next'] / 1e3:9.1f} us")
    print(f"  save CPU                        {med['save'] / 1e6:9.1f} ms")
    print(f"  save CPU after the rename       {med['after_rename'] / 1e6:9.1f} ms")
    ok = True
    ratio = med["down"] / med["scroll"]
    ok &= ratio <= DOWN_TARGET
    print(f"RESULT Down key CPU / one-row scroll: {ratio:.3f}x (target <= {DOWN_TARGET}x) "
          f"{'PASS' if ratio <= DOWN_TARGET else 'FAIL'}")
    if args.page_down_before_us:
        ratio = med["next"] / 1e3 / args.page_down_before_us
        ok &= ratio <= 0.5
        print(f"RESULT Page Down key CPU / before: {ratio:.3f}x (target <= 0.5x) "
              f"{'PASS' if ratio <= 0.5 else 'FAIL'}")
    after = med["after_rename"] / 1e6
    ok &= after <= SAVE_AFTER_RENAME_TARGET_MS
    print(f"RESULT save CPU after the rename: {after:.1f} ms (target <= "
          f"{SAVE_AFTER_RENAME_TARGET_MS:g} ms) {'PASS' if after <= SAVE_AFTER_RENAME_TARGET_MS else 'FAIL'}")
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())

"""What memory.py and startup.py share: one virtual display, programs started on it with a
private home, waiting until a program is quiet, and reading its CPU time and memory.

Every figure is compared with the bare wx program (platform/wx/reference) measured on the same
display in the same run, runs interleaved, medians reported.
"""
import argparse
import contextlib
import os
import shutil
import statistics
import subprocess
import tempfile
import time

POLL_SECONDS = 0.05
# Quiet: a window is shown and the last QUIET_SECONDS cost less than QUIET_CPU_SECONDS of CPU
# (a view's blinking caret costs a little now and then).
QUIET_SECONDS = 1.0
QUIET_CPU_SECONDS = 0.01
START_TIMEOUT_SECONDS = 60
SCREEN = "1280x1024x24"


@contextlib.contextmanager
def display(throw_away_argv):
    """An Xvfb on a free display number, kept between clients (-noreset), with one throw-away
    GTK client (throw_away_argv) run first: the first GTK client of a display loads the
    software GL renderer, whatever the client is."""
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", SCREEN,
                             "-nolisten", "tcp", "-noreset"], pass_fds=(write_end,),
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    old = os.environ.get("DISPLAY")
    try:
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        os.environ["DISPLAY"] = f":{number}"
        measure(throw_away_argv, lambda run, cpu: None)
        yield
    finally:
        if old is None:
            os.environ.pop("DISPLAY", None)
        else:
            os.environ["DISPLAY"] = old
        xvfb.terminate()
        xvfb.wait()


def cpu_seconds(pid):
    """CPU time of every thread of pid, from the scheduler's nanosecond counters."""
    total = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{task}/schedstat") as f:
                total += int(f.read().split()[0])
        except (FileNotFoundError, ProcessLookupError):
            pass  # a thread that just ended
    return total / 1e9


def status_kib(pid, field):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith(field + ":"):
                return int(line.split()[1])
    return 0


def windows(pid):
    """The visible windows of pid, as {id: title}."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                           capture_output=True, text=True)
    titles = {}
    for window in found.stdout.split():
        name = subprocess.run(["xdotool", "getwindowname", window], capture_output=True,
                              text=True)
        titles[window] = name.stdout.strip()
    return titles


def has_window(pid):
    return bool(windows(pid))


class Run:
    """One start of a program on the current display, with a home of its own."""

    def __init__(self, argv):
        self.home = tempfile.mkdtemp(prefix="quelm-measure-")
        env = dict(os.environ, HOME=self.home, XDG_CONFIG_HOME=os.path.join(self.home, "config"))
        self.process = subprocess.Popen(argv, env=env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)

    def wait_quiet(self):
        """Waits for a shown window and a quiet spell; returns the CPU seconds spent before the
        quiet spell began."""
        pid = self.process.pid
        deadline = time.monotonic() + START_TIMEOUT_SECONDS
        history = []  # (time, cpu) over the last quiet spell
        while time.monotonic() < deadline:
            if self.process.poll() is not None:
                raise RuntimeError(f"the program ended early ({self.process.returncode})")
            now, cpu = time.monotonic(), cpu_seconds(pid)
            history.append((now, cpu))
            while history and now - history[0][0] > QUIET_SECONDS:
                start = history.pop(0)
                if cpu - start[1] < QUIET_CPU_SECONDS and has_window(pid):
                    return start[1]
            time.sleep(POLL_SECONDS)
        raise RuntimeError("the program did not become quiet")

    def answer_until_shown(self, title_part, attempts=3):
        """Presses Return in whatever the program shows (a message about the file, say) until
        a window whose title has title_part is shown, then waits for quiet again."""
        for _ in range(attempts):
            shown = windows(self.process.pid)
            if any(title_part in title for title in shown.values()):
                return
            for window in shown:
                subprocess.run(["xdotool", "windowfocus", "--sync", window, "key", "Return"],
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            self.wait_quiet()
        raise RuntimeError(f"no window with {title_part!r} in its title")

    def vmrss_kib(self):
        return status_kib(self.process.pid, "VmRSS")

    def close(self):
        self.process.terminate()
        try:
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        shutil.rmtree(self.home, ignore_errors=True)


def measure(argv, reading, title_part=None):
    """Starts argv, waits until it is quiet (and shows a window with title_part in its title,
    if given), returns reading(run, cpu_before_quiet)."""
    run = Run(argv)
    try:
        cpu = run.wait_quiet()
        if title_part:
            run.answer_until_shown(title_part)
        return reading(run, cpu)
    finally:
        run.close()


def median(values):
    return statistics.median(values)


def verdict(what, ratio, target):
    state = "PASS" if ratio <= target else "FAIL"
    print(f"RESULT {what}: {ratio:.3f}x (target <= {target:g}x) {state}", flush=True)
    return ratio <= target


def arguments(doc, runs):
    """The command line of a comparison with the bare wx program: --reference, one or more
    --program NAME=PATH and --runs. Returns the arguments and the programs in order."""
    parser = argparse.ArgumentParser(description=doc.split("\n")[0])
    parser.add_argument("--reference", required=True)
    parser.add_argument("--program", action="append", required=True)
    parser.add_argument("--runs", type=int, default=runs)
    args = parser.parse_args()
    return args, parse_programs(args.program)


def parse_programs(entries):
    """NAME=PATH entries (or a bare PATH, named after its folder) in the given order."""
    programs = []
    for entry in entries:
        name, _, path = entry.rpartition("=")
        programs.append((name or os.path.basename(os.path.dirname(os.path.abspath(path))), path))
    return programs

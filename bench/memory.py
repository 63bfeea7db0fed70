#!/usr/bin/env python3
"""Resident memory (VmRSS) of the editor beside the bare wx program, once both are quiet.

Usage: memory.py --reference build/platform/wx/reference/MinimalWxFrame
                 --program [NAME=]build/app/quelm [--program NAME=other/quelm ...] [--runs N]

Each run starts the reference once and every program on no file, a 16 MiB file (held in
memory) and a 256 MiB file (shown from the disk, view only: the note saying so is answered
with Return), on one virtual display; the medians are compared with the reference's median:
  no file      VmRSS <= 1.15x the reference
  256 MiB file VmRSS <= 1.25x the reference
  16 MiB file  VmRSS - 16 MiB <= 1.25x the reference
Several --program entries (a build of main and a branch, say) are measured interleaved.
"""
import os
import sys
import tempfile

import xprocess

MIB = 1024 * 1024
KIB_PER_MIB = 1024
CHUNK = 4 * MIB
# (label, file size in bytes or None, target ratio, whether the file is held in memory)
CASES = [("no file", None, 1.15, False), ("16 MiB file", 16 * MIB, 1.25, True),
         ("256 MiB file (view only)", 256 * MIB, 1.25, False)]


def make_file(folder, size):
    path = os.path.join(folder, f"{size // MIB}mib.bin")
    with open(path, "wb") as f:
        for _ in range(size // CHUNK):
            f.write(os.urandom(CHUNK))
    return path


def rss_mib(argv, title_part=None):
    return xprocess.measure(argv, lambda run, cpu: run.vmrss_kib() / KIB_PER_MIB, title_part)


def main():
    args, programs = xprocess.arguments(__doc__, runs=5)

    with tempfile.TemporaryDirectory(prefix="quelm-memory-") as folder, \
            xprocess.display([args.reference]):
        files = {size: make_file(folder, size) for _, size, _, _ in CASES if size}
        reference = []
        results = {(name, label): [] for name, _ in programs for label, _, _, _ in CASES}
        for run in range(args.runs):
            reference.append(rss_mib([args.reference]))
            for label, size, _, _ in CASES:
                for name, path in programs:
                    argv = [path] + ([files[size]] if size else [])
                    # The file's window, past the note that a large file opens view only.
                    title = os.path.basename(files[size]) if size else None
                    results[(name, label)].append(rss_mib(argv, title))
            print(f"run {run + 1}/{args.runs} done", file=sys.stderr, flush=True)

    ref = xprocess.median(reference)
    print(f"reference (bare wx frame): {ref:.1f} MiB VmRSS, median of {args.runs}")
    ok = True
    for name, _ in programs:
        for label, size, target, in_memory in CASES:
            rss = xprocess.median(results[(name, label)])
            held = size / MIB if in_memory else 0
            print(f"{name}, {label}: {rss:.1f} MiB VmRSS")
            what = f"{name} VmRSS, {label}" + (" less the file" if held else "")
            ok = xprocess.verdict(what + " / bare wx frame", (rss - held) / ref, target) and ok
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""CPU time the editor takes to a quiet empty window, beside the bare wx program.

Usage: startup.py --reference build/platform/wx/reference/MinimalWxFrame
                  --program [NAME=]build/app/quelm [--program NAME=other/quelm ...] [--runs N]

The CPU time of every thread is read from the scheduler when the program's window is shown
and it has then been quiet for a second; what the quiet second cost is left out. Runs are
interleaved on one virtual display; target: the median <= 1.3x the reference's median.
"""
import sys

import xprocess

TARGET = 1.3


def cpu_to_quiet(argv):
    return xprocess.measure(argv, lambda run, cpu: cpu)


def main():
    args, programs = xprocess.arguments(__doc__, runs=9)

    reference = []
    results = {name: [] for name, _ in programs}
    with xprocess.display([args.reference]):
        for run in range(args.runs):
            reference.append(cpu_to_quiet([args.reference]))
            for name, path in programs:
                results[name].append(cpu_to_quiet([path]))

    ref = xprocess.median(reference)
    print(f"reference (bare wx frame): {ref * 1000:.0f} ms CPU to a quiet window, "
          f"median of {args.runs}")
    ok = True
    for name, _ in programs:
        cpu = xprocess.median(results[name])
        print(f"{name}: {cpu * 1000:.0f} ms CPU to a quiet empty window")
        ok = xprocess.verdict(f"{name} start-up CPU / bare wx frame", cpu / ref, TARGET) and ok
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())

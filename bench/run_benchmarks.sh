#!/bin/sh
# Builds the benchmarks in Release and runs each; the verdict lines are repeated at the end.
# Extra arguments go to every program (for example --benchmark_filter=...).
set -eu
# Benchmarks of the real window system need a display: give them a virtual one, tall enough
# for RepaintBench's view of 60 rows.
if [ -z "${DISPLAY:-}" ] && command -v xvfb-run >/dev/null; then
    exec xvfb-run -a -s "-screen 0 1600x2000x24" sh "$0" "$@"
fi
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-bench"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DQUELM_BENCH=ON >/dev/null
cmake --build "$build" --target benchmarks -j "$(nproc)"
# The real program and the bare wx program for the memory and start-up scripts, when wx is built.
reference="$build/platform/wx/reference/MinimalWxFrame"
if ! cmake --build "$build" --target quelm MinimalWxFrame -j "$(nproc)" >/dev/null 2>&1; then
    echo "quelm or MinimalWxFrame did not build: memory.py and startup.py are left out" >&2
    reference=""
fi
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# Every program the benchmarks target built, so a new one cannot be left out of the run.
for program in "$build"/bench/*Bench; do
    [ -x "$program" ] || continue
    echo
    echo "#### $(basename "$program")"
    "$program" "$@" | tee -a "$log"
done
# Each starts its own virtual display.
if [ -n "$reference" ]; then
    for script in memory startup; do
        echo
        echo "#### $script.py"
        python3 "$root/bench/$script.py" --reference "$reference" --program "$build/app/quelm" |
            tee -a "$log"
    done
fi
echo
echo "#### Summary"
grep '^RESULT' "$log"

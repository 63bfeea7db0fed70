#!/bin/sh
# Builds the benchmarks in Release and runs each; the verdict lines are repeated at the end.
# Extra arguments go to every program (for example --benchmark_filter=...).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-bench"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DQUELM_BENCH=ON >/dev/null
cmake --build "$build" --target benchmarks -j "$(nproc)"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
for name in ByteStoreBench ReplaceAllBench FindBench FormatBench LoadBench UndoPasteBench PrintBench; do
    echo
    echo "#### $name"
    "$build/bench/$name" "$@" | tee -a "$log"
done
echo
echo "#### Summary"
grep '^RESULT' "$log"

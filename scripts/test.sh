#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once in a normal build and once under
# AddressSanitizer and UndefinedBehaviorSanitizer; then cross-builds the Windows program and its
# tests and runs them under wine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

jobs=$(nproc)

echo "== build"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUELM_BENCH=ON -DQUELM_WX=ON \
    -DQUELM_WERROR=ON >/dev/null
cmake --build build -j"$jobs"

echo "== sanitizer build"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DQUELM_SANITIZE=ON -DQUELM_BENCH=OFF \
    -DQUELM_WX=OFF -DQUELM_WERROR=ON >/dev/null
cmake --build build-asan -j"$jobs"

echo "== tests under sanitizers"
(cd build-asan && ctest --output-on-failure -j"$jobs" --timeout 600)

echo "== tests"
# The window-system tests need a display: give them a virtual one.
(cd build && xvfb-run -a -s "-screen 0 1280x800x24" \
    ctest --output-on-failure -j"$jobs" --timeout 600)

echo "== Windows build, tests under wine"
bash scripts/build-windows.sh --test

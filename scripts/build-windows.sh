#!/usr/bin/env bash
# Cross-builds the Windows program and its tests with mingw-w64 into build-win/ (installs the
# cross compiler, wine and zip when missing). With --test, runs the test programs under wine.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(g++-mingw-w64-x86-64-posix wine wine64 zip cmake googletest ccache)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build_dir=${QUELM_WIN_BUILD:-build-win}
jobs=${QUELM_JOBS:-$(nproc)}
run_tests=0
[ "${1:-}" = "--test" ] && run_tests=1

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

echo "== Windows build ($build_dir)"
cmake -S . -B "$build_dir" -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DQUELM_WX=OFF -DQUELM_BENCH=OFF -DQUELM_WERROR=ON \
    "${launcher[@]}" >/dev/null
cmake --build "$build_dir" -j"$jobs"

if [ "$run_tests" = 1 ]; then
    echo "== Windows tests under wine"
    # The clipboard and the windows need a display: a virtual one when there is none.
    display=()
    [ -n "${DISPLAY:-}" ] || display=(xvfb-run -a -s "-screen 0 1280x800x24")
    (cd "$build_dir" && "${display[@]}" ctest --output-on-failure -j"$jobs" --timeout 600)
fi

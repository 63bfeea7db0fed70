#!/usr/bin/env bash
# Cross-builds the Windows program and its tests with mingw-w64 into build-win/ (installs the
# cross compiler, wine, zip and what the wine scenarios use when missing) and writes
# dist/quelm-win64.zip with quelm.exe, the manual and Readme.htm. With --test, runs the test
# programs under wine; with --bench, the painting benchmark.
set -euo pipefail
cd "$(dirname "$0")/.."

# The wine scenarios print to a print server of their own and take pictures of windows.
bash scripts/install-deps.sh g++-mingw-w64-x86-64-posix wine wine64 zip cmake googletest ccache \
    cups-daemon cups-core-drivers imagemagick

build_dir=${QUELM_WIN_BUILD:-build-win}
jobs=${QUELM_JOBS:-$(nproc)}
run_tests=0
run_bench=0
[ "${1:-}" = "--test" ] && run_tests=1
[ "${1:-}" = "--bench" ] && run_bench=1

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

echo "== Windows build ($build_dir)"
cmake -S . -B "$build_dir" -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DQUELM_WX=OFF -DQUELM_BENCH=OFF -DQUELM_WERROR=ON \
    "${launcher[@]}" >/dev/null
cmake --build "$build_dir" -j"$jobs"

# What a user unzips: the program (without its debugging information), the manual and the
# read-me, in one folder.
package=dist/quelm-win64.zip
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir -p "$stage/Quelm" dist
x86_64-w64-mingw32-strip -o "$stage/Quelm/quelm.exe" "$build_dir/app/win32/quelm.exe"
cp -r help/html "$stage/Quelm/html"
cp help/Readme.htm "$stage/Quelm/Readme.htm"
rm -f "$package"
(cd "$stage" && zip -qr9 - Quelm) >"$package"
echo "== $package"

if [ "$run_tests" = 1 ]; then
    echo "== Windows tests under wine"
    # The clipboard and the windows need a display: a virtual one when there is none.
    display=()
    [ -n "${DISPLAY:-}" ] || display=(xvfb-run -a -s "-screen 0 1280x800x24")
    (cd "$build_dir" && "${display[@]}" ctest --output-on-failure -j"$jobs" --timeout 600)
fi

if [ "$run_bench" = 1 ]; then
    # A screen tall enough for a view of 60 rows.
    echo "== Windows painting benchmark under wine"
    WINEPREFIX="$PWD/$build_dir/wineprefix" WINEDEBUG=-all xvfb-run -a -s "-screen 0 1280x1600x24" \
        wine "$build_dir/bench/win32/Win32PaintBench.exe"
fi

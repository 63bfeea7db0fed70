#!/bin/sh
# Counts the calls a typed hex digit, a paste and a save take through the program. Builds the
# libraries with every function instrumented (in build-calls, beside the other builds), runs
# the scenarios of CallCount.cpp on the recording backend and prints, for each, after how many
# calls the bytes were stored and the window invalidated, and the calls of the whole handling.
# --tree prints every call as well.
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build="$root/build-calls"
here="$root/tools/callcount"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DQUELM_BENCH=OFF -DQUELM_WX=OFF \
    "-DCMAKE_CXX_FLAGS=-finstrument-functions -finstrument-functions-exclude-file-list=/usr/" \
    >/dev/null
cmake --build "$build" -j "$(nproc)" --target quelm_shell quelm_headless >/dev/null
out="$build/callcount"
mkdir -p "$out"
lib() { echo "$build/$1/libquelm_$2.a"; }
g++ -std=c++20 -g -O0 -I"$root" -o "$out/callcount" "$here/CallCount.cpp" \
    "$(lib shell shell)" "$(lib commands commands)" "$(lib view view)" "$(lib engine engine)" \
    "$(lib platform headless)" "$(lib res res)" "$(lib commands commands)" "$(lib view view)" \
    "$(lib engine engine)" "$(lib platform framework)" "$(lib platform base)" \
    -lgtest_main -lgtest -lacl -lpthread -ldl
cd "$out"
./callcount >callcount.log 2>&1 || { cat callcount.log; exit 1; }
count() { python3 "$here/count.py" callcount "$@" ${TREE:-}; }
[ "${1:-}" = --tree ] && TREE=--tree
# The view's helpers are counted call by call; the engine and the framework count once a call.
ui=view,commands,shell
stored='CBinData::(Overwrite|Insert)AtCaret|CBinData::InsertBlock'
shown='CWnd::InvalidateRect|CWnd::Invalidate$'
for scenario in digit-high digit-low digit-insert; do
    echo "$scenario: $(count $scenario.calls CKolvaView::OnChar "$stored" "$shown" $ui)"
done
echo "paste: $(count paste.calls CMDIFrameWnd::SendCommand "$stored" "$shown" $ui)"
# A save is the document's: the engine counts call by call too; "stored" is the commit of the
# new file, "shown" the file-name bar rebuilt for the new title.
echo "save: $(count save.calls CMDIFrameWnd::SendCommand CAtomicFile::Commit \
    CMainFrame::RebuildFileBar $ui,engine)"

#!/usr/bin/env bash
# Installs what is missing, builds the editor and starts it on the files given
# (on a sample file when none is given).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUELM_WX=ON >/dev/null
cmake --build build -j"$(nproc)"

if [ ! -x build/app/quelm ]; then
    echo "run.sh: the editor's window is not part of the build yet; only the data engine and" >&2
    echo "its tests exist so far (bash scripts/test.sh runs them)." >&2
    exit 2
fi
if [ "$#" -eq 0 ]; then
    set -- "$(pwd)/docs/sample.bin"
fi
exec build/app/quelm "$@"

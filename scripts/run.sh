#!/usr/bin/env bash
# Installs what is missing, builds the editor and starts it on the files given
# (on a sample file when none is given).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUELM_WX=ON >/dev/null
cmake --build build -j"$(nproc)"

if [ "$#" -eq 0 ]; then
    set -- "$(pwd)/docs/sample.bin"
fi
exec build/app/quelm "$@"

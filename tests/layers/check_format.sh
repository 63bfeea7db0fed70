#!/usr/bin/env bash
# Fails when a C++ source file differs from what the repository's .clang-format makes of it.
set -euo pipefail
root=${1:-$(dirname "$0")/../..}
cd "$root"
command -v clang-format >/dev/null || { echo "clang-format is not installed" >&2; exit 1; }
mapfile -d '' files < <(find . \( -path ./.git -o -path './build*' \) -prune -o \
    -type f \( -name '*.h' -o -name '*.cpp' \) -print0 | sort -z)
if [ "${#files[@]}" -eq 0 ]; then
    echo "no source files found under $root" >&2
    exit 1
fi
clang-format --dry-run -Werror "${files[@]}"
echo "${#files[@]} files formatted as .clang-format asks"

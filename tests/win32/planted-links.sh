#!/usr/bin/env bash
# Makes the links the Windows file tests meet, as Linux programs (or other users) leave them:
# planted-links.sh DIR. A link named like a dump, pointing at a file it must not reach, and a
# user's link to a document.
set -euo pipefail
dir=$1
rm -rf "$dir"
mkdir -p "$dir"
printf precious >"$dir/victim"
ln -s "$dir/victim" "$dir/report.dmp"
printf old >"$dir/real.bin"
ln -s "$dir/real.bin" "$dir/named.bin"

#!/usr/bin/env bash
# Stages the installation as a package would (DESTDIR, prefix /usr) and checks what it ships: the
# program without debugging information or symbols, the link to it, its help, and a desktop
# entry that desktop-file-validate passes without a remark.
set -euo pipefail
build=${1:?usage: check_install.sh build-folder}
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

DESTDIR=$stage cmake --install "$build" --prefix /usr >"$stage.log" 2>&1 ||
    { cat "$stage.log" >&2; rm -f "$stage.log"; fail "cmake --install failed"; }
rm -f "$stage.log"

[ -L "$stage/usr/bin/quelm" ] || fail "no link usr/bin/quelm"
program=$(readlink -f "$stage/usr/bin/quelm")
[ -x "$program" ] || fail "the link does not lead to the program"
[ -f "$(dirname "$program")/html/index.htm" ] || fail "the help pages are not beside the program"
sections=$(readelf -S --wide "$program")
if grep -qE '\.(debug_[a-z]+|symtab)\b' <<<"$sections"; then
    fail "the installed program keeps debugging information or symbols"
fi

desktop=$stage/usr/share/applications/quelm.desktop
[ -f "$desktop" ] || fail "no desktop entry"
grep -qx "Exec=/usr/bin/quelm %F" "$desktop" || fail "the desktop entry does not start /usr/bin/quelm"
if command -v desktop-file-validate >/dev/null; then
    remarks=$(desktop-file-validate "$desktop" 2>&1) || fail "invalid desktop entry: $remarks"
    [ -z "$remarks" ] || fail "desktop-file-validate: $remarks"
else
    echo "desktop-file-validate is missing (scripts/install-deps.sh): entry not validated"
fi

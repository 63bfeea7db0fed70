#!/usr/bin/env bash
# Writes platform/win32/Win32Undef.h: every macro of the Windows headers Win32Api.h reads whose
# name is also a name in the framework's headers (platform/base, platform/framework). Run it
# again when those headers gain a name the Windows headers define.
set -euo pipefail
cd "$(dirname "$0")/.."
compiler=${CXX_MINGW:-x86_64-w64-mingw32-g++-posix}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat >"$work/probe.cpp" <<'PROBE'
#define NOMINMAX
#define UNICODE
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <imm.h>
#include <shellapi.h>
PROBE
"$compiler" -dM -E "$work/probe.cpp" | awk '{print $2}' | sed 's/(.*//' | sort -u >"$work/macros"
for f in platform/base/*.h platform/framework/*.h; do
    g++ -fpreprocessed -dD -E -P "$f" 2>/dev/null
done | grep -oE '\b[A-Za-z_][A-Za-z_0-9]*\b' | sort -u >"$work/names"

{
    echo "#pragma once"
    echo "// Macros of the Windows headers that the framework's headers declare under the same names, with"
    echo "// the same values where they are constants. Written by tools/gen_win32_undef.sh."
    comm -12 "$work/macros" "$work/names" | sed 's/^/#undef /'
} >platform/win32/Win32Undef.h
echo "platform/win32/Win32Undef.h: $(grep -c '^#undef' platform/win32/Win32Undef.h) macros"

#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need, skipping those present;
# given package names, installs those instead.
set -euo pipefail

packages=(
    cmake g++ make pkg-config libacl1-dev acl attr
    libgtest-dev libgmock-dev libbenchmark-dev
    libwxgtk3.2-dev wx3.2-i18n libgtk-3-dev libgtk-3-common fonts-noto-cjk
    xvfb xauth xdotool openbox x11-utils xclip
    clang-format python3 poppler-utils desktop-file-utils
    g++-mingw-w64-x86-64-posix wine wine64 zip googletest ccache
    cups-daemon cups-core-drivers imagemagick
)

[ "$#" -gt 0 ] && packages=("$@")

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

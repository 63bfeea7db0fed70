#!/usr/bin/env bash
# Mounts (start) or unmounts (stop) the small file system the Windows file tests fill:
# small-disk.sh start|stop DIR. Mounting needs root; where it cannot be had the folder stays an
# ordinary one and the tests that need a full disk skip.
set -uo pipefail
dir=$2
case $1 in
start)
    mkdir -p "$dir"
    mountpoint -q "$dir" && exit 0
    if [ "$(id -u)" -eq 0 ] && mount -t tmpfs -o size=64k tmpfs "$dir" 2>/dev/null; then
        touch "$dir/.small-disk"
    fi
    exit 0
    ;;
stop)
    mountpoint -q "$dir" && umount "$dir"
    exit 0
    ;;
*)
    echo "usage: $0 start|stop DIR" >&2
    exit 2
    ;;
esac

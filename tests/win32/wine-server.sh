#!/usr/bin/env bash
# Starts or stops the one wine server the Windows tests share: wine-server.sh start|stop PREFIX.
# Started, the prefix exists (made on the first run) and the server stays until it is stopped,
# so each test program starts in a fraction of a second.
set -euo pipefail
export WINEPREFIX=$2 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
[ -x "$wine" ] || wine=$(command -v wine)
case $1 in
start)
    mkdir -p "$WINEPREFIX"
    # Nothing the server or the boot leaves running may keep ctest's output pipes open.
    # A server already running for the prefix serves as well.
    wineserver -p </dev/null >/dev/null 2>&1 || true
    # The first program under a server starts the session's services (made with the prefix on
    # the first run), which live as long as the server: started here, they hold no test's
    # output open.
    "$wine" wineboot </dev/null >/dev/null 2>&1
    ;;
stop)
    wineserver -k 2>/dev/null || true
    ;;
*)
    echo "usage: $0 start|stop PREFIX" >&2
    exit 2
    ;;
esac

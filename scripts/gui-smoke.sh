#!/usr/bin/env bash
# GUI smoke test: starts the editor on a virtual display, takes a screenshot, chooses the exit
# command from the File menu with the keyboard and checks that the program ends with code 0
# within a few seconds.
#
#   bash scripts/gui-smoke.sh [program [arguments...]]
#
# The program defaults to build/app/quelm. The screenshot goes to $SHOT, or to a new temporary
# file; settings are written to a temporary folder, not the user's.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${QUELM_SMOKE_DISPLAY:-}" ]; then
    for tool in xvfb-run xdotool; do
        command -v "$tool" >/dev/null || { echo "gui-smoke: $tool is missing" >&2; exit 2; }
    done
    exec xvfb-run -a -s "-screen 0 1280x800x24" env QUELM_SMOKE_DISPLAY=1 bash "$0" "$@"
fi

program=${1:-build/app/quelm}
[ "$#" -gt 0 ] && shift
[ -x "$program" ] || { echo "gui-smoke: no program at $program" >&2; exit 2; }

settings=$(mktemp -d)
trap 'rm -rf "$settings"' EXIT
export XDG_CONFIG_HOME=$settings

"$program" "$@" &
pid=$!

fail() {
    echo "gui-smoke: $*" >&2
    kill "$pid" 2>/dev/null || true
    exit 1
}

# The main window, once it is on the screen.
window=""
for _ in $(seq 50); do
    window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    kill -0 "$pid" 2>/dev/null || fail "the program ended before showing a window"
    sleep 0.2
done
[ -n "$window" ] || fail "no window appeared"

# Without a window manager the keyboard follows the pointer.
xdotool mousemove --window "$window" 300 300
sleep 1
# The screenshot is for people to look at; a machine without imagemagick goes on without it.
if command -v import >/dev/null; then
    shot=${SHOT:-$(mktemp --suffix=.png /tmp/quelm-gui-smoke.XXXXXX)}
    import -window root "$shot"
    echo "gui-smoke: screenshot in $shot"
fi

xdotool key alt+f
sleep 0.5
xdotool key x

for _ in $(seq 25); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
done
kill -0 "$pid" 2>/dev/null && fail "the program did not exit after the exit command"
code=0
wait "$pid" || code=$?
[ "$code" -eq 0 ] || fail "the program exited with code $code"
echo "gui-smoke: the program showed its window and exited cleanly"

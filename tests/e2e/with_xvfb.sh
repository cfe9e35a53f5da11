#!/usr/bin/env bash
# Runs one end-to-end script on a private X server (Xvfb) with a window manager (openbox).
# Usage: with_xvfb.sh SCRIPT [ARGS...]; the script gets DISPLAY and E2E_LIB (helpers to source).
set -euo pipefail
script="$1"
shift

# Xvfb picks a free display itself and reports it, so parallel runs never race for one.
displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
xvfb_pid=$!
wm_pid=""
cleanup() {
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -f "$displayfile"
}
trap cleanup EXIT
for _ in $(seq 1 200); do
    [ -s "$displayfile" ] && break
    sleep 0.05
done
[ -s "$displayfile" ] || { echo "Xvfb did not start" >&2; exit 1; }
display=":$(head -n 1 "$displayfile")"

export DISPLAY="$display"
for _ in $(seq 1 100); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
done
xdpyinfo >/dev/null 2>&1 || { echo "Xvfb did not start" >&2; exit 1; }

openbox >"$displayfile.openbox.log" 2>&1 &
wm_pid=$!
for _ in $(seq 1 300); do
    wmctrl -m >/dev/null 2>&1 && break
    sleep 0.1
done
wmctrl -m >/dev/null 2>&1 || {
    echo "openbox did not start:" >&2
    cat "$displayfile.openbox.log" >&2
    exit 1
}
rm -f "$displayfile.openbox.log"

export E2E_LIB
E2E_LIB="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/e2e_lib.sh"
bash "$script" "$@"

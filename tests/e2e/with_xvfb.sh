#!/usr/bin/env bash
# Runs one end-to-end script on a private X server (Xvfb) with a window manager (openbox).
# Usage: with_xvfb.sh SCRIPT [ARGS...]; the script gets DISPLAY and E2E_LIB (helpers to source).
set -euo pipefail
script="$1"
shift

display=""
for n in $(seq 90 140); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
        display=":$n"
        break
    fi
done
[ -n "$display" ] || { echo "no free X display" >&2; exit 1; }

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
wm_pid=""
cleanup() {
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
}
trap cleanup EXIT

export DISPLAY="$display"
for _ in $(seq 1 100); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
done
xdpyinfo >/dev/null 2>&1 || { echo "Xvfb did not start" >&2; exit 1; }

openbox >/dev/null 2>&1 &
wm_pid=$!
for _ in $(seq 1 100); do
    wmctrl -m >/dev/null 2>&1 && break
    sleep 0.1
done
wmctrl -m >/dev/null 2>&1 || { echo "openbox did not start" >&2; exit 1; }

export E2E_LIB
E2E_LIB="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/e2e_lib.sh"
bash "$script" "$@"

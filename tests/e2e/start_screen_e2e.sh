#!/usr/bin/env bash
# The program starts at its start screen; Enter opens the login window in its place.
set -euo pipefail
# shellcheck source=e2e_lib.sh
source "$E2E_LIB"
e2e_setup_drive

"$QV_BIN/quorvane" &
app=$!
trap 'kill $app 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT

start=$(wait_window "Quorvane") || e2e_fail "start screen did not appear"
sleep 0.5
screenshot start_screen
geometry=$(xdotool getwindowgeometry "$start" | grep Geometry | awk '{print $2}')
[ "$geometry" = "640x455" ] || e2e_fail "start screen is $geometry, expected 640x455"

send_keys "$start" Return
wait_for "! xdotool getwindowname $start" 10 || e2e_fail "start screen still open after Enter"
login=$(wait_window "Quorvane") || e2e_fail "login window did not appear"
[ "$login" != "$start" ] || e2e_fail "the same window is still shown"
screenshot login_window
echo "start screen e2e passed"

#!/usr/bin/env bash
# The login under a real X server: type the set digits, confirm and draw a fresh paper (the
# student folder holds exactly what `paper write` produces); a second login with the continue
# password resumes with the time left and touches nothing; one with the redraw password wipes
# the folder and draws afresh.
set -euo pipefail
# shellcheck source=e2e_lib.sh
source "$E2E_LIB"
e2e_setup_drive

data="$WINEPREFIX/drive_c/windows/system32/cwmx"
[ -f "$data/vb9708.mdb" ] || e2e_fail "no sample bank in $QV_DATA_DIR"
student="$WINEPREFIX/drive_c/WEXAM/26010001"
reference="$(mktemp -d)/paper"
app=""
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null || true
    rm -rf "$WINEPREFIX" "$(dirname "$reference")"
}
trap cleanup EXIT

time_file_is() { [ "$(cat "$student/tovo.tim" 2>/dev/null)" = "$(printf '%s\r' "$1")" ]; }

geometry_of() { xdotool getwindowgeometry "$1" 2>/dev/null | awk '/Geometry/ {print $2}'; }

# Starts the program and goes from the start screen to the login window, whose id it leaves in
# $login.
open_login() {
    "$QV_BIN/quorvane" >>"$QV_ARTIFACTS/login_e2e.out" 2>&1 &
    app=$!
    local start
    start=$(wait_window "Quorvane") || e2e_fail "start screen did not appear"
    wait_for "[ \"\$(geometry_of $start)\" = 640x455 ]" 10 || e2e_fail "start screen not laid out"
    send_keys "$start" Return
    wait_for "! xdotool getwindowname $start" 10 || e2e_fail "start screen still open"
    login=$(wait_window "Quorvane") || e2e_fail "login window did not appear"
    wait_for "[ \"\$(geometry_of $login)\" = 640x455 ]" 10 || e2e_fail "login window not laid out"
}

# Answers the message box with this title by its default button.
answer_box() {
    local box
    box=$(wait_window "$1") || e2e_fail "no message box titled $1"
    screenshot "$2"
    send_keys "$box" Return
    wait_for "! xdotool getwindowname $box" 10 || e2e_fail "message box $1 stayed open"
}

# Types the set digits after the prefilled ticket and confirms the data.
enter_ticket() {
    local login="$1"
    xdotool windowactivate --sync "$login" >/dev/null 2>&1 || true
    xdotool type --delay 50 "01"
    send_keys "$login" Return
    answer_box "Quorvane_登录提示" "$2"
}

# Presses Enter in the login window to draw and waits for the notice window that replaces it.
draw_and_wait_for_notice() {
    local login="$1" notice
    send_keys "$login" Return
    wait_for "! xdotool getwindowname $login" 20 || e2e_fail "login window still open after the draw"
    notice=$(wait_window "Quorvane") || e2e_fail "notice window did not appear"
    [ "$notice" != "$login" ] || e2e_fail "the login window is still shown"
    screenshot "$2"
}

stop_program() {
    kill "$app" 2>/dev/null || true
    wait "$app" 2>/dev/null || true
    app=""
}

# --- first login: a fresh paper --------------------------------------------------------------
open_login
screenshot login_first
enter_ticket "$login" login_confirmation
screenshot login_ready_to_draw
draw_and_wait_for_notice "$login" login_notice_fresh
[ -d "$student/WARN" ] || e2e_fail "no student folder with WARN at $student"
time_file_is ' 5400 ' || e2e_fail "tovo.tim is $(od -c "$student/tovo.tim" | head -2)"
"$QV_BIN/quorvane-admin" paper write --bank "$data/vb9708.mdb" --set 1 --dir "$reference" \
    || e2e_fail "paper write failed"
diff -r "$reference" "$student" >"$QV_ARTIFACTS/login_e2e.diff" \
    || e2e_fail "student folder differs from paper write (see login_e2e.diff)"
stop_program

# --- second login with qzt: resume -----------------------------------------------------------
printf ' 3125 \r\n' >"$student/tovo.tim"
echo "my work" >"$student/mine.txt"
before=$(cd "$student" && find . -type f -exec md5sum {} + | sort)
open_login
enter_ticket "$login" login_confirmation_second
answer_box "Quorvane_登录提示" login_second_login
screenshot login_password_panel
xdotool type --delay 50 "QZT"
send_keys "$login" Return
draw_and_wait_for_notice "$login" login_notice_resumed
after=$(cd "$student" && find . -type f -exec md5sum {} + | sort)
[ "$before" = "$after" ] || e2e_fail "resume changed the student folder"
stop_program

# --- third login with jud: a fresh paper again -----------------------------------------------
open_login
enter_ticket "$login" login_confirmation_third
answer_box "Quorvane_登录提示" login_second_login_again
xdotool type --delay 50 "jud"
send_keys "$login" Return
draw_and_wait_for_notice "$login" login_notice_redrawn
[ ! -e "$student/mine.txt" ] || e2e_fail "the redraw kept the earlier work"
time_file_is ' 5400 ' || e2e_fail "tovo.tim after the redraw is $(od -c "$student/tovo.tim" | head -2)"
diff -r "$reference" "$student" >"$QV_ARTIFACTS/login_e2e.diff" \
    || e2e_fail "redrawn folder differs from paper write (see login_e2e.diff)"
stop_program
echo "login e2e passed"

#!/usr/bin/env bash
# The examination under a real X server: notice, main window and bar, the countdown and its time
# file, the hand-in refused while a window of the development environment is open, the end
# password; then the time-out with the development environment open and the delay password.
set -euo pipefail
# shellcheck source=e2e_lib.sh
source "$E2E_LIB"
e2e_setup_drive

helpers="${QV_HELPERS:-$QV_BIN/../../tests/e2e/helpers}"
[ -x "$helpers/qv_exam_harness" ] || e2e_fail "helpers not built in $helpers"
student="$WINEPREFIX/drive_c/WEXAM/27010001"
mkdir -p "$student/WARN"
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    rm -rf "$WINEPREFIX"
}
trap cleanup EXIT

main_title='Quorvane_二级Visual Basic考试系统--姓名:模拟1, 准考证号:2701999988880001 \(单机版\)'
time_file_is() { [ "$(cat "$student/tovo.tim" 2>/dev/null)" = "$(printf '%s\r' "$1")" ]; }
# The time file holds a count between LOW and HIGH, written as " N " CR LF.
time_file_between() {
    local text
    text=$(cat "$student/tovo.tim" 2>/dev/null) || return 1
    [[ "$text" =~ ^\ ([0-9]+)\ $'\r'$ ]] || return 1
    [ "${BASH_REMATCH[1]}" -ge "$1" ] && [ "${BASH_REMATCH[1]}" -le "$2" ]
}
# The window is no longer shown (closed or unmapped).
gone() { ! xdotool search --onlyvisible --name . 2>/dev/null | grep -qx "$1"; }
# A box with this title other than the one given (a box that replaced it).
next_box() {
    local old="$1" id
    for id in $(windows_named '^Quorvane_信息提示$'); do
        [ "$id" != "$old" ] && { echo "$id"; return 0; }
    done
    return 1
}
geometry_of() { xdotool getwindowgeometry "$1" | awk '/Geometry/ {print $2}'; }
position_of() { xdotool getwindowgeometry "$1" | awk '/Position/ {print $2}'; }
bar_click() {  # bar_click BAR-ID X-IN-BAR
    local pos x y
    pos=$(position_of "$1")
    x=${pos%,*}
    y=${pos#*,}
    xdotool mousemove $((x + $2)) $((y + 9)) click 1
}
# The one window titled Quorvane that is 462 wide: the bar.
find_bar() {
    local id
    for id in $(windows_named '^Quorvane$'); do
        [ "$(geometry_of "$id")" = "462x19" ] && { echo "$id"; return 0; }
    done
    return 1
}

# --- a fresh examination from the notice window -------------------------------------------
printf ' 5400 \r\n' >"$student/tovo.tim"
"$helpers/qv_exam_harness" >"$QV_ARTIFACTS/harness.out" 2>&1 &
pids+=($!)
notice=$(wait_window "Quorvane") || e2e_fail "notice window did not appear"
sleep 0.3
[ "$(geometry_of "$notice")" = "640x455" ] || e2e_fail "notice is $(geometry_of "$notice")"
screenshot notice_window
send_keys "$notice" Return
main=$(wait_window "$main_title") || e2e_fail "main exam window did not appear"
wait_for find_bar 10 || e2e_fail "exam bar did not appear"
bar=$(find_bar)
bar_pos=$(position_of "$bar")
[ "$bar_pos" = "409,0" ] || e2e_fail "bar at $bar_pos, expected centred at the top (409,0)"
xprop -id "$bar" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE || e2e_fail "bar is not on top"
wait_for "time_file_between 5390 5398" 8 || e2e_fail "tovo.tim after two ticks: $(od -c "$student/tovo.tim")"
screenshot main_window_and_bar

# --- hand-in refused while the IDE is open, accepted once it is closed ----------------------
"$helpers/qv_title_window" "工程1 - Microsoft Visual Basic [设计]" &
ide=$!
pids+=($ide)
wait_window "工程1 - Microsoft Visual Basic \[设计\]" >/dev/null || e2e_fail "IDE stand-in not shown"
# The program's own dialogs must not block the hand-in either: an owned one with the text.
"$helpers/qv_title_window" --owned "Microsoft Visual Basic - owned" &
pids+=($!)
wait_window "Microsoft Visual Basic - owned" >/dev/null || e2e_fail "owned dialog not shown"

confirm_hand_in() {
    bar_click "$bar" 430
    local box
    box=$(wait_window "Quorvane_信息提示" 10) || e2e_fail "no hand-in confirmation"
    # Cancel is the default button; move to OK and press it.
    send_keys "$box" shift+Tab space
    wait_for "gone $box" 5 || e2e_fail "confirmation box stays"
}
confirm_hand_in
refusal=$(wait_window "Quorvane_信息提示" 10) || e2e_fail "hand-in was not refused"
screenshot hand_in_refused
send_keys "$refusal" Return
wait_for "[ -z \"\$(windows_named '^Quorvane_信息提示\$')\" ]" 5 || e2e_fail "refusal box stays"
[ -n "$(windows_named "^$main_title\$")" ] || e2e_fail "main window vanished after the refusal"
find_bar >/dev/null || e2e_fail "bar vanished after the refusal"
! gone "$main" || e2e_fail "main window not seen as shown"

kill "$ide"
wait_for "[ -z \"\$(windows_named '工程1 - Microsoft Visual Basic')\" ]" 5 || e2e_fail "IDE stays"
confirm_hand_in
end=$(wait_window "Form1" 10) || e2e_fail "end-of-exam window did not appear"
wait_for "! find_bar" 5 || e2e_fail "bar still there after the hand-in"
[ -z "$(windows_named "^$main_title\$")" ] || e2e_fail "main window still shown after hand-in"
left=$(tr -d ' \r\n' <"$student/tovo.tim")
screenshot end_of_exam
send_keys "$end" Return
wait_for "grep -q 'score window' '$QV_ARTIFACTS/harness.out'" 10 ||
    e2e_fail "end password did not open the score window"
sleep 1.5
[ "$(tr -d ' \r\n' <"$student/tovo.tim")" = "$left" ] || e2e_fail "clock ran on after the hand-in"

# --- time-out with the IDE open: delay prompt, a wrong password, then +++ -------------------
printf ' 3 \r\n' >"$student/tovo.tim"
"$helpers/qv_title_window" "Microsoft Visual Basic [设计]" &
pids+=($!)
wait_window "Microsoft Visual Basic \[设计\]" >/dev/null || e2e_fail "IDE stand-in not shown"
"$helpers/qv_exam_harness" --start >"$QV_ARTIFACTS/harness2.out" 2>&1 &
pids+=($!)
prompt=$(wait_window "Quorvane_信息提示" 10) || e2e_fail "no delay prompt at the time-out"
screenshot delay_prompt
send_keys "$prompt" x Return
wait_for "next_box $prompt" 10 || e2e_fail "prompt not asked again after a wrong password"
prompt=$(next_box "$prompt")
send_keys "$prompt" plus plus plus Return
wait_for "gone $prompt" 5 || e2e_fail "delay prompt stays after +++"
wait_for "time_file_between 50 58" 10 || e2e_fail "no 60 more seconds: $(od -c "$student/tovo.tim")"
find_bar >/dev/null || e2e_fail "bar gone after the delay password"
echo "examination e2e passed"

#!/usr/bin/env bash
# Crash resume under a real X server: the running examination is killed with SIGKILL at random
# moments of its countdown. After every kill the time file still holds a whole number, every
# other file of the student folder is as the draw wrote it, and a second login with the
# continue password resumes the countdown from the time file, losing at most the second that
# was running at the kill.
set -euo pipefail
# shellcheck source=e2e_lib.sh
source "$E2E_LIB"
e2e_setup_drive

rounds="${QV_CRASH_ROUNDS:-20}"
student="$WINEPREFIX/drive_c/WEXAM/26010001"
out="$QV_ARTIFACTS/crash_resume_e2e.out"
: >"$out"
main_title='Quorvane_二级Visual Basic考试系统--姓名:模拟1, 准考证号:2601999988880001 \(单机版\)'
app=""
cleanup() {
    if [ -n "$app" ]; then
        kill -9 "$app" 2>/dev/null || true
        wait "$app" 2>/dev/null || true
    fi
    rm -rf "$WINEPREFIX"
}
trap cleanup EXIT

fail() {
    screenshot crash_resume_failure || true
    e2e_fail "$*"
}
geometry_of() { xdotool getwindowgeometry "$1" 2>/dev/null | awk '/Geometry/ {print $2}'; }
now() { date +%s.%N; }

# Prints the count of the time file when it is exactly a blank, digits, a blank, CR and LF.
time_value() {
    local text pattern=$'^ ([0-9]+) \r\n$'
    text=$(cat "$student/tovo.tim" 2>/dev/null && echo x) || return 1
    [[ "${text%x}" =~ $pattern ]] || return 1
    echo "${BASH_REMATCH[1]}"
}
time_file_dump() { od -c "$student/tovo.tim" 2>&1 | head -2 | tr '\n' ' '; }

# Checksums of every file of the student folder but the time file and its half-written copies.
folder_sums() {
    (cd "$student" && find . -type f ! -name tovo.tim ! -name '.tovo.tim.*' -print0 |
        sort -z | xargs -0 md5sum)
}

# Answers the message box with this title by its default button.
answer_box() {
    local box
    box=$(wait_window "$1" 10) || fail "no message box titled $1"
    send_keys "$box" Return
    wait_for "! xdotool getwindowname $box" 10 || fail "message box $1 stayed open"
}

# Starts quorvane and logs in with ticket 2601999988880001 up to the running countdown; with
# "resume" the second-login password qzt is given. Leaves the time of the start in $started.
start_examination() {
    local resume="${1:-}" start login notice
    wait_for "[ -z \"\$(windows_named '^Quorvane')\" ]" 10 || fail "windows of the killed run stay"
    "$QV_BIN/quorvane" >>"$out" 2>&1 &
    app=$!
    start=$(wait_window "Quorvane") || fail "start screen did not appear"
    wait_for "[ \"\$(geometry_of $start)\" = 640x455 ]" 10 || fail "start screen not laid out"
    send_keys "$start" Return
    wait_for "! xdotool getwindowname $start" 10 || fail "start screen still open"
    login=$(wait_window "Quorvane") || fail "login window did not appear"
    wait_for "[ \"\$(geometry_of $login)\" = 640x455 ]" 10 || fail "login window not laid out"
    xdotool windowactivate --sync "$login" >/dev/null 2>&1 || true
    xdotool type --delay 30 "01"
    send_keys "$login" Return
    answer_box "Quorvane_登录提示"
    if [ -n "$resume" ]; then
        answer_box "Quorvane_登录提示"
        xdotool type --delay 30 "qzt"
        send_keys "$login" Return
    fi
    send_keys "$login" Return
    wait_for "! xdotool getwindowname $login" 20 || fail "login window still open after the draw"
    notice=$(wait_window "Quorvane") || fail "notice window did not appear"
    send_keys "$notice" Return
    started=$(now)
    wait_window "$main_title" 10 >/dev/null || fail "main exam window did not appear"
}

# Lets the countdown run until the moment given, reading the time file all along: it must always
# be whole and go down one second at a time from the count the run started with ($count). Leaves
# the last value read in $last.
run_until() {
    local deadline="$1" value
    last=$count
    while [ "$(echo "$(now) < $deadline" | bc)" = 1 ]; do
        value=$(time_value) || fail "round $round: time file partial: $(time_file_dump)"
        [ "$value" = "$last" ] || [ "$value" = $((last - 1)) ] ||
            fail "round $round: the count went from $last to $value"
        last=$value
        sleep 0.05
    done
}

# --- a fresh paper, then a kill and a resume per round ---------------------------------------
start_examination
count=5400  # the count the countdown of this round started from
round=0
[ "$(time_value)" = $count ] || fail "fresh time file: $(time_file_dump)"
drawn=$(folder_sums)
[ "$(echo "$drawn" | wc -l)" -ge 10 ] || fail "the draw wrote too few files: $drawn"

for round in $(seq 1 "$rounds"); do
    # A random moment 1.000 to 2.999 s after the countdown started (or resumed).
    run_until "$(echo "$started + $((1 + RANDOM % 2)).$(printf '%03d' $((RANDOM % 1000)))" | bc)"
    kill -9 "$app"
    wait "$app" 2>/dev/null || true
    app=""
    ran=$(echo "$(now) - $started" | bc)

    killed=$(time_value) || fail "round $round: time file after the kill: $(time_file_dump)"
    if [ "$killed" -gt "$last" ] || [ "$killed" -lt $((last - 1)) ]; then
        fail "round $round: time file went from $last to $killed at the kill"
    fi
    # The clock kept time: one second off per second run, give or take the running one.
    ticks=$((count - killed))
    whole=${ran%.*}
    if [ "$ticks" -lt $((${whole:-0} - 1)) ] || [ "$ticks" -gt $((${whole:-0} + 1)) ]; then
        fail "round $round: $ticks ticks in $ran s"
    fi
    [ "$(folder_sums)" = "$drawn" ] || {
        diff <(echo "$drawn") <(folder_sums) >>"$out" || true
        fail "round $round: the student folder changed (see crash_resume_e2e.out)"
    }
    leftovers=$(find "$student" -name '.tovo.tim.*' | wc -l)
    echo "round $round: killed $ran s after the start at $killed (read $last)," \
        "$leftovers half-written copies" >>"$out"

    # The resume touches nothing and goes on from the count of the kill (checked by run_until).
    start_examination resume
    [ "$(time_value)" = "$killed" ] || [ "$(time_value)" = $((killed - 1)) ] ||
        fail "round $round: resumed with $(time_file_dump) after the kill at $killed"
    count=$killed
done
run_until "$(echo "$(now) + 1.2" | bc)"
[ "$last" -lt "$count" ] || fail "no tick after the last resume"
screenshot crash_resume_last_resume
echo "crash resume e2e passed ($rounds rounds, $((5400 - last)) seconds counted)"

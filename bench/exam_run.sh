#!/usr/bin/env bash
# A whole examination run of the real program under Xvfb with openbox, driven with xdotool:
# start screen, login with ticket 2601999988880001, confirmation, draw, notice, main window and
# bar, IDLE seconds untouched, hand-in, end password, score, answers window, 退出系统. Prints
#  - the peak memory (/usr/bin/time %M) of the run against the minimal Qt program, which shows
#    its window alongside for the same idle stretch (and, for comparison, minimal --text);
#  - the CPU both used (utime + stime from /proc/PID/stat) during the idle stretch, while the
#    countdown runs.
# Usage: bench/exam_run.sh [BUILD_DIR=build] [IDLE_SECONDS=60]   (starts its own Xvfb + openbox)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$here/build}"
idle="${2:-60}"
if [ -z "${E2E_LIB:-}" ]; then
    exec timeout $((idle + 120)) "$here/tests/e2e/with_xvfb.sh" "$0" "$build" "$idle"
fi
# shellcheck source=../tests/e2e/e2e_lib.sh
source "$E2E_LIB"
export QV_DATA_DIR="$build/data/cwmx" QV_ARTIFACTS
QV_ARTIFACTS="$(mktemp -d)"
e2e_setup_drive
student="$WINEPREFIX/drive_c/WEXAM/26010001"
logs="$(mktemp -d)"
app=""; ref=""; reftext=""
cleanup() {
    for p in $app $ref $reftext; do pkill -TERM -P "$p" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$WINEPREFIX" "$logs" "$QV_ARTIFACTS"
}
trap cleanup EXIT

geometry_of() { xdotool getwindowgeometry "$1" 2>/dev/null | awk '/Geometry/ {print $2}'; }
position_of() { xdotool getwindowgeometry "$1" | awk '/Position/ {print $2}'; }
gone() { ! xdotool search --onlyvisible --name . 2>/dev/null | grep -qx "$1"; }
find_bar() {
    local id
    for id in $(windows_named '^Quorvane$'); do
        [ "$(geometry_of "$id")" = "462x19" ] && { echo "$id"; return 0; }
    done
    return 1
}
# utime + stime of a process, in clock ticks.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# The program itself, the child of /usr/bin/time.
child_of() {
    local id
    wait_for "pgrep -P $1" 5 || e2e_fail "no child of $1"
    id=$(pgrep -P "$1")
    echo "$id"
}

/usr/bin/time -f %M -o "$logs/quorvane" "$build/src/app/quorvane" >"$logs/quorvane.out" 2>&1 &
app=$!
start=$(wait_window "Quorvane") || e2e_fail "start screen did not appear"
wait_for "[ \"\$(geometry_of $start)\" = 640x455 ]" 10 || e2e_fail "start screen not laid out"
send_keys "$start" Return
wait_for "gone $start" 10 || e2e_fail "start screen stays"
login=$(wait_window "Quorvane") || e2e_fail "login window did not appear"
wait_for "[ \"\$(geometry_of $login)\" = 640x455 ]" 10 || e2e_fail "login window not laid out"
xdotool windowactivate --sync "$login" >/dev/null 2>&1 || true
xdotool type --delay 50 "01"
send_keys "$login" Return
box=$(wait_window "Quorvane_登录提示") || e2e_fail "no confirmation box"
send_keys "$box" Return
wait_for "gone $box" 10 || e2e_fail "confirmation box stays"
send_keys "$login" Return
wait_for "gone $login" 20 || e2e_fail "login window stays after the draw"
notice=$(wait_window "Quorvane") || e2e_fail "notice window did not appear"
[ -f "$student/tovo.tim" ] || e2e_fail "no paper drawn in $student"
send_keys "$notice" Return
wait_window 'Quorvane_二级Visual Basic考试系统--.*' >/dev/null || e2e_fail "main window did not appear"
wait_for find_bar 10 || e2e_fail "exam bar did not appear"
bar=$(find_bar)

# --- the idle stretch, side by side with the minimal program ----------------------------------
/usr/bin/time -f %M -o "$logs/minimal" "$build/bench/minimal_window" >/dev/null 2>&1 &
ref=$!
wait_window "Minimal" >/dev/null || e2e_fail "minimal window did not appear"
/usr/bin/time -f %M -o "$logs/minimal-text" "$build/bench/minimal_window" --text >/dev/null 2>&1 &
reftext=$!
wait_for "[ \"\$(windows_named '^Minimal\$' | wc -l)\" = 2 ]" 15 || e2e_fail "minimal --text did not appear"
xdotool mousemove 1270 1010  # out of every window, so no hover repaints
qv=$(child_of "$app"); mini=$(child_of "$ref")
sleep 1
q0=$(cpu_ticks "$qv"); m0=$(cpu_ticks "$mini"); t0="${EPOCHREALTIME/[.,]/}"
left0=$(tr -d ' \r\n' <"$student/tovo.tim")
sleep "$idle"
q1=$(cpu_ticks "$qv"); m1=$(cpu_ticks "$mini"); t1="${EPOCHREALTIME/[.,]/}"
left1=$(tr -d ' \r\n' <"$student/tovo.tim")
[ $((left0 - left1)) -ge $((idle - 2)) ] || e2e_fail "the countdown did not run ($left0 -> $left1)"
for p in $ref $reftext; do pkill -TERM -P "$p" 2>/dev/null || true; wait "$p" 2>/dev/null || true; done
ref=""; reftext=""

# --- hand-in, end password, score, answers, 退出系统 --------------------------------------------
pos=$(position_of "$bar")
xdotool mousemove $((${pos%,*} + 430)) $((${pos#*,} + 9)) click 1
box=$(wait_window "Quorvane_信息提示" 10) || e2e_fail "no hand-in confirmation"
send_keys "$box" shift+Tab space  # Cancel is the default button
end=$(wait_window "Form1" 10) || e2e_fail "end-of-exam window did not appear"
send_keys "$end" Return
answers=$(wait_window 'Quorvane答案及评析——考生文件夹 .*' 30) || e2e_fail "answers window did not appear"
sleep 1
xdotool mousemove --window "$answers" 724 532 click 1  # 退出系统
wait_for "! kill -0 $app" 15 || e2e_fail "the program did not end at 退出系统"
wait "$app" 2>/dev/null || true
app=""

qm=$(tail -n 1 "$logs/quorvane"); mm=$(tail -n 1 "$logs/minimal"); mt=$(tail -n 1 "$logs/minimal-text")
hz=$(getconf CLK_TCK)
secs=$(awk "BEGIN{print ($t1 - $t0) / 1000000}")
qcpu=$(awk "BEGIN{printf \"%.3f\", 100 * ($q1 - $q0) / $hz / $secs}")
mcpu=$(awk "BEGIN{printf \"%.3f\", 100 * ($m1 - $m0) / $hz / $secs}")
ratio=$(awk "BEGIN{printf \"%.2f\", $qm / $mm}")
echo "peak memory of the whole examination run: quorvane $qm KiB, minimal $mm KiB," \
    "ratio $ratio (goal <= 1.5): $(awk "BEGIN{print ($ratio <= 1.5) ? \"met\" : \"MISSED\"}")"
echo "  against minimal --text (one line of Chinese text): $mt KiB, ratio" \
    "$(awk "BEGIN{printf \"%.2f\", $qm / $mt}")"
echo "CPU over ${secs} s of countdown, untouched: quorvane ${qcpu} % of one core" \
    "($((q1 - q0)) ticks of 1/$hz s), minimal ${mcpu} % (goal <= 0.5 %):" \
    "$(awk "BEGIN{print ($qcpu <= 0.5) ? \"met\" : \"MISSED\"}")"

#!/usr/bin/env bash
# One whole examination with the real program under a real X server: start screen, login,
# confirmation, draw, notice, the main window with each question, the ticking bar, a hand-in
# refused while the development environment is open, the hand-in, the end password, the score
# and answers windows, the reference answers, the return to the examination, a second hand-in
# with full marks and the exit. Every window is saved as $QV_ARTIFACTS/full_*.png.
set -euo pipefail
# shellcheck source=e2e_lib.sh
source "$E2E_LIB"
e2e_setup_drive

helpers="${QV_HELPERS:-$QV_BIN/../../tests/e2e/helpers}"
[ -x "$helpers/qv_title_window" ] || e2e_fail "helpers not built in $helpers"
bank="$WINEPREFIX/drive_c/windows/system32/cwmx/vb9708.mdb"
[ -f "$bank" ] || e2e_fail "no sample bank in $QV_DATA_DIR"
student="$WINEPREFIX/drive_c/WEXAM/26010001"
out="$QV_ARTIFACTS/full_exam_e2e.out"
: >"$out"
main_title='Quorvane_二级Visual Basic考试系统--姓名:模拟1, 准考证号:2601999988880001 \(单机版\)'
answers_title='Quorvane答案及评析——考生文件夹 C:\\WEXAM\\26010001'
pids=()
app=""
views=$(mktemp -d)
cleanup() {
    for p in "${pids[@]}" $app; do kill "$p" 2>/dev/null || true; done
    rm -rf "$WINEPREFIX" "$views"
}
trap cleanup EXIT

fail() {
    screenshot full_failure || true
    rm -rf "$QV_ARTIFACTS/full_failure_views"
    cp -r "$views" "$QV_ARTIFACTS/full_failure_views" 2>/dev/null || true
    e2e_fail "$*"
}
geometry_of() { xdotool getwindowgeometry "$1" 2>/dev/null | awk '/Geometry/ {print $2}'; }
gone() { ! xdotool search --onlyvisible --name . 2>/dev/null | grep -qx "$1"; }
# A left click at pixel X, Y of the window's inside.
click_at() { xdotool mousemove --window "$1" "$2" "$3" click 1; }
time_count() { tr -d ' \r\n' <"$student/tovo.tim"; }
# The time file is a blank, digits, a blank, CR and LF.
time_file_whole() {
    local text pattern=$'^ [0-9]+ \r\n$'
    text=$(cat "$student/tovo.tim" && echo x) || return 1
    [[ "${text%x}" =~ $pattern ]]
}
# The total that quorvane-admin gives the student folder as it stands.
graded_total() {
    "$QV_BIN/quorvane-admin" grade --bank "$bank" --set 1 --dir "$student" --json |
        tee -a "$out" | sed -n 's/^{"set": 1, "total": \([0-9]*\),.*/\1/p'
}
# Saves the screen as full_NAME.png once it has settled: two captures in a row alike (a caret
# that blinks may keep it from settling; the last capture is kept then).
shot() {
    local file="$QV_ARTIFACTS/full_$1.png" before="$QV_ARTIFACTS/full_$1.before.png"
    import -window root "$file"
    for _ in $(seq 1 8); do
        mv "$file" "$before"
        import -window root "$file"
        [ "$(compare -metric AE "$file" "$before" null: 2>&1)" = 0 ] && break
    done
    rm -f "$before"
}
# The main window's inside as full_NAME.png, and the middle of its question text alone in $views.
window_shot() {
    import -window "$main" "$QV_ARTIFACTS/full_$1.png" &&
        convert "$QV_ARTIFACTS/full_$1.png" -crop 560x300+40+100 +repage "$views/$1.png"
}
# The two saved question texts are alike to the pixel.
same() { [ "$(compare -metric AE "$views/$1.png" "$views/$2.png" null: 2>&1)" = 0 ]; }
# window_shot NAME, taken again until two captures in a row are alike.
settled_window_shot() {
    window_shot "$1" &&
        wait_for "mv '$views/$1.png' '$views/$1.last.png' && window_shot $1 && same $1 $1.last" 5
}

# The exam bar: the window titled Quorvane that is 462 × 19.
find_bar() {
    local id
    for id in $(windows_named '^Quorvane$'); do
        [ "$(geometry_of "$id")" = "462x19" ] && { echo "$id"; return 0; }
    done
    return 1
}
# Answers a message box by its default button after saving a screenshot as full_NAME.
answer_box() {
    local box
    box=$(wait_window "$1" 10) || fail "no message box titled $1"
    shot "$2"
    send_keys "$box" Return
    wait_for "gone $box" 10 || fail "message box $1 stayed open"
}

# --- start screen, login, confirmation, draw, notice ------------------------------------------
"$QV_BIN/quorvane" >>"$out" 2>&1 &
app=$!
start=$(wait_window "Quorvane") || fail "start screen did not appear"
wait_for "[ \"\$(geometry_of $start)\" = 640x455 ]" 10 || fail "start screen not laid out"
shot start_screen
send_keys "$start" Return
wait_for "gone $start" 10 || fail "start screen still open"
login=$(wait_window "Quorvane") || fail "login window did not appear"
wait_for "[ \"\$(geometry_of $login)\" = 640x455 ]" 10 || fail "login window not laid out"
xdotool windowactivate --sync "$login" >/dev/null 2>&1 || true
xdotool type --delay 50 "01"
shot login
send_keys "$login" Return
answer_box "Quorvane_登录提示" login_confirmation
shot login_ready_to_draw
send_keys "$login" Return
wait_for "gone $login" 20 || fail "login window still open after the draw"
notice=$(wait_window "Quorvane") || fail "notice window did not appear"
wait_for "[ \"\$(geometry_of $notice)\" = 640x455 ]" 10 || fail "notice window not laid out"
[ -d "$student/WARN" ] || fail "no student folder with WARN at $student"
[ "$(cat "$student/tovo.tim")" = $' 5400 \r' ] || fail "fresh tovo.tim: $(od -c "$student/tovo.tim")"
[ "$(graded_total)" = 0 ] || fail "a fresh paper does not grade 0"
shot notice

# --- main window, each question, the bar ticking ----------------------------------------------
send_keys "$notice" Return
main=$(wait_window "$main_title") || fail "main exam window did not appear"
wait_for find_bar 10 || fail "exam bar did not appear"
bar=$(find_bar)
wait_for "[ \"\$(time_count)\" -le 5399 ]" 5 || fail "no first tick: $(od -c "$student/tovo.tim")"
shot main_window
# The question buttons lie below the menu bar (about 22 pixels) in their frame at 3720, 0 twips:
# 基本操作题 at 360, 120, 简单应用题 at 2220, 120, 综合应用题 at 4080, 120; 1575 × 480 twips each.
# show_question X-OF-BUTTON NAME VIEW-BEFORE: clicks the button, moves the pointer onto the text
# and saves the window as full_NAME.png once it shows something else than VIEW-BEFORE.
show_question() {
    click_at "$main" "$1" 46
    xdotool mousemove --window "$main" 330 300
    wait_for "window_shot $2 && ! same $2 $3" 5 || fail "$2: the view did not change"
    settled_window_shot "$2" || fail "$2: the view does not settle"
    shot "$2_screen"
}
settled_window_shot question1_at_start || fail "the view of question 1 does not settle"
show_question 448 question2 question1_at_start
show_question 572 question3 question2
show_question 324 question1 question3
same question1 question1_at_start || fail "基本操作题 does not show question 1 from its beginning"
! same question1 question2 || fail "基本操作题 and 简单应用题 show the same text"
! same question1 question3 || fail "基本操作题 and 综合应用题 show the same text"
click_at "$main" 448 46
xdotool mousemove --window "$main" 330 300
wait_for "window_shot question2_again && same question2 question2_again" 5 ||
    fail "简单应用题 shows another text the second time"
seen=$(time_count)
wait_for "[ \"\$(time_count)\" -lt $seen ]" 3 || fail "the bar stopped at $seen"
time_file_whole || fail "tovo.tim is $(od -c "$student/tovo.tim")"

# --- hand-in refused while the development environment is open --------------------------------
"$helpers/qv_title_window" "工程1 - Microsoft Visual Basic [设计]" &
ide=$!
pids+=("$ide")
wait_window "工程1 - Microsoft Visual Basic \[设计\]" >/dev/null || fail "IDE stand-in not shown"
shot ide_open
# Clicks 交卷 on the bar and confirms with OK (Cancel is the default button).
hand_in() {
    click_at "$bar" 430 9
    local box
    box=$(wait_window "Quorvane_信息提示" 10) || fail "no hand-in confirmation"
    shot "$1"
    send_keys "$box" shift+Tab space
    wait_for "gone $box" 5 || fail "confirmation box stays"
}
hand_in hand_in_confirmation
answer_box "Quorvane_信息提示" hand_in_refused
[ -n "$(windows_named "^$main_title\$")" ] || fail "main window gone after the refusal"
find_bar >/dev/null || fail "bar gone after the refusal"
kill "$ide"
wait_for "[ -z \"\$(windows_named '工程1 - Microsoft Visual Basic')\" ]" 5 || fail "IDE stays"
seen=$(time_count)
wait_for "[ \"\$(time_count)\" -lt $seen ]" 3 || fail "the clock stopped at the refusal"

# --- hand-in, end password, score window, answers window ---------------------------------------
# Watches for the score window, which shows only while grading runs (a fraction of a second), and
# saves the screen then: every change of the window manager's client list is looked at as it
# happens. Leaves the watcher in $spy and $watcher; the window's size goes to $views/score_seen.
watch_score_window() {
    rm -f "$views/score_seen" "$views/clients"
    mkfifo "$views/clients"
    xprop -root -spy _NET_CLIENT_LIST >"$views/clients" 2>/dev/null &
    spy=$!
    (
        known=""
        while read -r line; do
            for id in $(grep -o '0x[0-9a-f]*' <<<"$line"); do
                # Only a window that has just come is asked for its name, at once.
                [[ " $known " = *" $id "* ]] && continue
                known="$known $id"
                xprop -id "$id" WM_NAME 2>/dev/null | grep -q '"Form7"' || continue
                xwininfo -id "$id" | awk '/Width:/ {w = $2} /Height:/ {h = $2}
                    /Map State:/ {m = $3} END {print m, w "x" h}' >"$views/score_seen"
                # Grading may be over before the picture is taken: the screen then.
                import -window "$id" "$QV_ARTIFACTS/full_$1.png" 2>/dev/null ||
                    import -window root "$QV_ARTIFACTS/full_$1.png"
                exit 0
            done
        done <"$views/clients"
    ) &
    watcher=$!
}
# Clicks 结束 in the end-of-exam window (4575, 240, 855 × 420 twips) and waits for the report.
end_and_report() {
    local end
    end=$(wait_window "Form1" 10) || fail "end-of-exam window did not appear"
    wait_for "! find_bar" 5 || fail "bar still there after the hand-in"
    [ -z "$(windows_named "^$main_title\$")" ] || fail "main window still shown after hand-in"
    shot "end_of_exam$1"
    watch_score_window "score$1"
    click_at "$end" 333 30
    answers=$(wait_window "$answers_title" 20) || fail "answers window did not appear"
    kill "$spy" 2>/dev/null || true
    wait "$watcher" || true
    [ -s "$views/score_seen" ] || fail "the score window was never shown"
    # Listed by the window manager, so it was mapped; 8595 × 5085 twips, black (its waiting
    # texts are painted only once grading lets it paint, and it may be gone when looked at).
    echo "score window: $(cat "$views/score_seen")" >>"$out"
    [[ "$(cat "$views/score_seen")" = *\ 573x339 ]] ||
        fail "score window: $(cat "$views/score_seen")"
    shot "answers$1"
    # The answers window's inside, and from it the overview table and the message box.
    import -window "$answers" "$views/answers$1.png"
    convert "$views/answers$1.png" -crop 260x200+12+12 +repage "$views/table$1.png"
    convert "$views/answers$1.png" -crop 400x150+330+50 +repage "$views/messages$1.png"
}
# The middle of the message box is all white: no grading message at all.
no_messages() { [ "$(convert "$views/messages$1.png" -format '%[fx:minima]' info:)" = 1 ]; }
hand_in hand_in_confirmation_2
end_and_report ""
left=$(time_count)
time_file_whole || fail "tovo.tim is $(od -c "$student/tovo.tim")"
[ "$(graded_total)" = 0 ] || fail "the untouched paper does not grade 0"
! no_messages "" || fail "the report of the untouched paper shows no grading messages"

# --- reference answers, return to the examination ----------------------------------------------
# Buttons of the answers window at top 7800 twips (520 px), 1575 × 375 twips, left at
# 5040 (返回考试), 6720 (生成答案), 10080 (退出系统).
click_at "$answers" 500 532
answer_box "Quorvane" answers_written
[ "$(graded_total)" = 100 ] || fail "the written answers do not grade 100"
[ "$(time_count)" = "$left" ] || fail "the clock ran after the hand-in"
click_at "$answers" 388 532
wait_for "gone $answers" 10 || fail "answers window stays after 返回考试"
main=$(wait_window "$main_title") || fail "main window not shown again"
wait_for find_bar 10 || fail "bar not shown again"
bar=$(find_bar)
# The countdown goes on from where the hand-in stopped it (a tick or two may pass meanwhile).
wait_for "[ \"\$(time_count)\" -lt $left ]" 3 || fail "the clock stays at $left after 返回考试"
[ "$(time_count)" -ge $((left - 3)) ] || fail "the clock did not go on from $left: $(time_count)"
shot returned

# --- second hand-in: full marks, then 退出系统 ---------------------------------------------------
hand_in hand_in_confirmation_3
end_and_report "_full_marks"
[ "$(graded_total)" = 100 ] || fail "the second hand-in does not grade 100"
no_messages _full_marks || fail "the report with full marks shows grading messages"
[ "$(compare -metric AE "$views/table.png" "$views/table_full_marks.png" null: 2>&1)" != 0 ] ||
    fail "the overview table shows the same points after the second hand-in"
click_at "$answers" 724 532
wait_for "! kill -0 $app" 10 || fail "the program did not end at 退出系统"
status=0
wait "$app" || status=$?
[ "$status" = 0 ] || fail "the program ended with status $status"
app=""
echo "full exam e2e passed"

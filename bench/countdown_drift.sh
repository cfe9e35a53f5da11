#!/usr/bin/env bash
# How far the exam bar's countdown drifts from the wall clock: starts the examination windows
# (offscreen) with 90 minutes, notes when the time file first reads 5398, and again when it
# reads 5398 - N, N seconds later by the count. The difference to N real seconds is the drift.
# It starts at the second tick: the first one can be late by the windows' start-up, a one-off
# delay the schedule does not carry on.
# Meanwhile a reader reads the time file at random moments (0-50 ms apart) and counts the reads
# that find it missing or not a whole " N " CR LF line.
# Usage: countdown_drift.sh [SECONDS=600] [HELPERS_DIR=build/tests/e2e/helpers]
set -euo pipefail
seconds="${1:-600}"
helpers="${2:-$(dirname "$0")/../build/tests/e2e/helpers}"
[ -x "$helpers/qv_exam_harness" ] || { echo "qv_exam_harness not found in $helpers" >&2; exit 1; }
[ "$seconds" -ge 3 ] || { echo "SECONDS must be at least 3" >&2; exit 1; }

WINEPREFIX="$(mktemp -d)"
export WINEPREFIX
student="$WINEPREFIX/drive_c/WEXAM/27010001"
mkdir -p "$student/WARN"
printf ' 5400 \r\n' >"$student/tovo.tim"
QT_QPA_PLATFORM=offscreen "$helpers/qv_exam_harness" --start >/dev/null 2>&1 &
app=$!
reader=""
trap 'kill $app $reader 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT

# Builtins only (no forks) so that a poll costs microseconds, even on a busy machine.
exec {nap}<> <(:)
now_us() { now="${EPOCHREALTIME/[.,]/}"; }
reads() {
    local text=""
    IFS= read -r -d '' text <"$student/tovo.tim" 2>/dev/null || true
    [ "$text" = " $1 "$'\r\n' ]
}
# Waits (polling every millisecond) until the file holds the value; leaves the moment in $now.
wait_value() {
    local value="$1" limit
    now_us
    limit=$((now + ($2 + 5) * 1000000))
    until reads "$value"; do
        now_us
        [ "$now" -lt "$limit" ] || { echo "time file never read $value" >&2; exit 1; }
        read -r -t 0.001 -u "$nap" || true
    done
    now_us
}

# Reads until told to stop (SIGTERM), then writes "reads bad" to the tally file.
tally="$WINEPREFIX/tally"
random_reader() {
    local total=0 bad=0 text stop=0
    trap 'stop=1' TERM
    while [ "$stop" = 0 ]; do
        text=""
        if [ -e "$student/tovo.tim" ]; then
            IFS= read -r -d '' text <"$student/tovo.tim" || true
        fi
        total=$((total + 1))
        [[ "$text" =~ ^\ [0-9]+\ $'\r\n'$ ]] || bad=$((bad + 1))
        sleep "0.0$(printf '%02d' $((RANDOM % 50)))"
    done
    echo "$total $bad" >"$tally"
}

wait_value 5398 6
t0=$now
random_reader &
reader=$!
last=$((5398 - seconds))
sleep $((seconds - 2))
wait_value "$last" 4
t1=$now
kill -TERM "$reader"
wait "$reader" 2>/dev/null || true
reader=""
read -r total bad <"$tally"
elapsed_ms=$(((t1 - t0) / 1000))
drift_ms=$((elapsed_ms - seconds * 1000))
abs_ms=${drift_ms#-}
echo "countdown: $seconds ticks in $elapsed_ms ms of wall time; drift ${drift_ms} ms" \
    "(polling resolution about 1 ms, tick jitter about 10 ms; goal |drift| <= 100 ms): $([ "$abs_ms" -le 100 ] && echo met || echo MISSED)"
echo "time file read at $total random moments: $bad missing or partial (goal 0):" \
    "$([ "$bad" = 0 ] && echo met || echo MISSED)"

#!/usr/bin/env bash
# How far the exam bar's countdown drifts from the wall clock: starts the examination windows
# (offscreen) with 90 minutes, notes when the time file first reads 5399, and again when it
# reads 5399 - N, N seconds later by the count. The difference to N real seconds is the drift.
# Usage: countdown_drift.sh [SECONDS=600] [HELPERS_DIR=build/tests/e2e/helpers]
set -euo pipefail
seconds="${1:-600}"
helpers="${2:-$(dirname "$0")/../build/tests/e2e/helpers}"
[ -x "$helpers/qv_exam_harness" ] || { echo "qv_exam_harness not found in $helpers" >&2; exit 1; }

WINEPREFIX="$(mktemp -d)"
export WINEPREFIX
student="$WINEPREFIX/drive_c/WEXAM/27010001"
mkdir -p "$student/WARN"
printf ' 5400 \r\n' >"$student/tovo.tim"
QT_QPA_PLATFORM=offscreen "$helpers/qv_exam_harness" --start >/dev/null 2>&1 &
app=$!
trap 'kill $app 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT

now_ns() { date +%s%N; }
reads() { [ "$(tr -d ' \r\n' <"$student/tovo.tim" 2>/dev/null)" = "$1" ]; }
# Waits (polling every 2 ms) until the file holds the value; prints the moment in ns.
wait_value() {
    local value="$1" limit_ns=$(($(now_ns) + ($2 + 5) * 1000000000))
    until reads "$value"; do
        [ "$(now_ns)" -lt "$limit_ns" ] || { echo "time file never read $value" >&2; exit 1; }
        sleep 0.002
    done
    now_ns
}

t0=$(wait_value 5399 5)
last=$((5399 - seconds))
sleep $((seconds - 2))
t1=$(wait_value "$last" 4)
elapsed_ms=$(((t1 - t0) / 1000000))
drift_ms=$((elapsed_ms - seconds * 1000))
echo "countdown: $seconds ticks in $elapsed_ms ms of wall time; drift ${drift_ms} ms" \
    "(polling resolution about 5 ms)"

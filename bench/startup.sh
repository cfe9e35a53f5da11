#!/usr/bin/env bash
# Start-up time to the first window mapped under Xvfb, and peak memory, of quorvane against a
# minimal Qt Widgets program showing one window, measured side by side in the same run.
# Usage: bench/startup.sh [BUILD_DIR] [RUNS]   (starts its own Xvfb + openbox)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$here/build}"
runs="${2:-10}"
if [ -z "${E2E_LIB:-}" ]; then
    exec "$here/tests/e2e/with_xvfb.sh" "$0" "$build" "$runs"
fi

WINEPREFIX="$(mktemp -d)"
export WINEPREFIX
mkdir -p "$WINEPREFIX/drive_c/windows/system32/cwmx"
cp -r "$build/data/cwmx/." "$WINEPREFIX/drive_c/windows/system32/cwmx/" 2>/dev/null || true
trap 'rm -rf "$WINEPREFIX"' EXIT

# One run: milliseconds from exec to the window being viewable, and the peak RSS in KiB.
measure() {
    local title="$1"
    shift
    local log
    log=$(mktemp)
    local t0 t1
    t0=$(date +%s%N)
    /usr/bin/time -f "%M" -o "$log" "$@" &
    local pid=$!
    until xwininfo -name "$title" 2>/dev/null | grep -q "IsViewable"; do
        sleep 0.005
    done
    t1=$(date +%s%N)
    sleep 0.3
    pkill -TERM -P "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    echo "$(( (t1 - t0) / 1000000 )) $(tail -n 1 "$log")"
    rm -f "$log"
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

q_times=(); q_mem=(); m_times=(); m_mem=()
for _ in $(seq 1 "$runs"); do
    read -r t m < <(measure "Minimal" "$build/bench/minimal_window")
    m_times+=("$t"); m_mem+=("$m")
    read -r t m < <(measure "Quorvane" "$build/src/app/quorvane")
    q_times+=("$t"); q_mem+=("$m")
done
qt=$(printf '%s\n' "${q_times[@]}" | median); mt=$(printf '%s\n' "${m_times[@]}" | median)
qm=$(printf '%s\n' "${q_mem[@]}" | median); mm=$(printf '%s\n' "${m_mem[@]}" | median)
echo "start-up to mapped (median of $runs): quorvane ${qt} ms, minimal ${mt} ms, ratio $(awk "BEGIN{printf \"%.2f\", $qt/$mt}") (goal <= 1.3)"
echo "peak memory (median of $runs):        quorvane ${qm} KiB, minimal ${mm} KiB, ratio $(awk "BEGIN{printf \"%.2f\", $qm/$mm}") (goal <= 1.5)"

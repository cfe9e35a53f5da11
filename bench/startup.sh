#!/usr/bin/env bash
# Start-up time to the first window mapped under Xvfb, and peak memory at that point, of quorvane
# (its start screen) against a minimal Qt Widgets program showing one window, measured side by
# side in the same run, alternating. A third column, minimal --text, shows one line of Chinese
# text: what any window with text costs (fontconfig and a CJK font).
# Usage: bench/startup.sh [BUILD_DIR] [RUNS]   (starts its own Xvfb + openbox)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$here/build}"
runs="${2:-10}"
if [ -z "${E2E_LIB:-}" ]; then
    exec timeout $((60 + runs * 20)) "$here/tests/e2e/with_xvfb.sh" "$0" "$build" "$runs"
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
    local deadline=$((t0 + 15000000000))
    until xwininfo -name "$title" 2>/dev/null | grep -q "IsViewable"; do
        [ "$(date +%s%N)" -lt "$deadline" ] || { echo "$title never mapped" >&2; exit 1; }
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

q_times=(); q_mem=(); m_times=(); m_mem=(); t_times=(); t_mem=()
for _ in $(seq 1 "$runs"); do
    read -r t m < <(measure "Minimal" "$build/bench/minimal_window")
    m_times+=("$t"); m_mem+=("$m")
    read -r t m < <(measure "Quorvane" "$build/src/app/quorvane")
    q_times+=("$t"); q_mem+=("$m")
    read -r t m < <(measure "Minimal" "$build/bench/minimal_window" --text)
    t_times+=("$t"); t_mem+=("$m")
done
qt=$(printf '%s\n' "${q_times[@]}" | median); mt=$(printf '%s\n' "${m_times[@]}" | median)
qm=$(printf '%s\n' "${q_mem[@]}" | median); mm=$(printf '%s\n' "${m_mem[@]}" | median)
tt=$(printf '%s\n' "${t_times[@]}" | median); tm=$(printf '%s\n' "${t_mem[@]}" | median)
ratio() { awk "BEGIN{printf \"%.2f\", $1/$2}"; }
verdict() { awk "BEGIN{print ($1 <= $2) ? \"met\" : \"MISSED\"}"; }
r=$(ratio "$qt" "$mt")
echo "start-up to mapped (median of $runs): quorvane ${qt} ms, minimal ${mt} ms, ratio $r" \
    "(goal <= 1.3): $(verdict "$r" 1.3); minimal --text ${tt} ms, ratio $(ratio "$qt" "$tt")"
echo "peak memory at the start screen (median of $runs): quorvane ${qm} KiB, minimal ${mm} KiB," \
    "ratio $(ratio "$qm" "$mm"); minimal --text ${tm} KiB, ratio $(ratio "$qm" "$tm")"

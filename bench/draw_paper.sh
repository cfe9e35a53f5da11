#!/usr/bin/env bash
# The draw of a paper: `quorvane-admin paper write` of set 1 (five items with their WARN backups)
# against `cp -r` of the same finished folder, alternating, each into a fresh folder. A third
# column, `bank count`, is the fixed part of every quorvane-admin call (process start and the
# bank's key derivation), so the share of the draw itself can be read off.
# Usage: bench/draw_paper.sh [BUILD_DIR=build] [RUNS=40]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=bench_lib.sh
source "$here/bench/bench_lib.sh"
runs="${2:-40}"
bench_setup "${1:-$here/build}"
"$admin" paper write --bank "$bank" --set 1 --dir "$work/reference" >/dev/null

# Microseconds a command takes (builtin clock, so the measurement forks nothing extra).
took() {
    local t0="${EPOCHREALTIME/[.,]/}"
    "$@" >/dev/null
    local t1="${EPOCHREALTIME/[.,]/}"
    echo $((t1 - t0))
}

write=(); copy=(); fixed=()
for i in $(seq 1 "$runs"); do
    write+=("$(took "$admin" paper write --bank "$bank" --set 1 --dir "$work/w$i")")
    copy+=("$(took cp -r "$work/reference" "$work/c$i")")
    fixed+=("$(took "$admin" bank count "$bank")")
    diff -r "$work/reference" "$work/w$i" >/dev/null || { echo "paper write differs" >&2; exit 1; }
    rm -rf "$work/w$i" "$work/c$i"
done
w=$(printf '%s\n' "${write[@]}" | median)
c=$(printf '%s\n' "${copy[@]}" | median)
f=$(printf '%s\n' "${fixed[@]}" | median)
ratio=$(awk "BEGIN{printf \"%.2f\", $w/$c}")
echo "draw of set 1 (median of $runs): paper write $((w / 1000)).$(printf '%03d' $((w % 1000))) ms," \
    "cp -r $((c / 1000)).$(printf '%03d' $((c % 1000))) ms, ratio $ratio (goal <= 3):" \
    "$(awk "BEGIN{print ($ratio <= 3) ? \"met\" : \"MISSED\"}")"
echo "  of which process start + bank opening (bank count): $((f / 1000)).$(printf '%03d' $((f % 1000))) ms;" \
    "writing the folder itself: $(((w - f) / 1000)) ms"

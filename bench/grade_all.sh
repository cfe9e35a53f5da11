#!/usr/bin/env bash
# `quorvane-admin grade-all` over 250, 500 and 1000 generated student folders on one core
# (taskset -c 0). The folders cycle through every set of the sample bank; every other one holds
# the reference answers (`paper answers`), the rest a fresh draw. Linear means the cost per
# extra folder stays the same from one step to the next; the rate counts whole runs, process
# start and bank opening included.
# Usage: bench/grade_all.sh [BUILD_DIR=build] [RUNS=3]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=bench_lib.sh
source "$here/bench/bench_lib.sh"
runs="${2:-3}"
bench_setup "${1:-$here/build}"
sets=$("$admin" bank count "$bank")
for s in $(seq 1 "$sets"); do
    "$admin" paper write --bank "$bank" --set "$s" --dir "$work/t/fresh$s" >/dev/null
    cp -r "$work/t/fresh$s" "$work/t/answered$s"
    "$admin" paper answers --bank "$bank" --set "$s" --dir "$work/t/answered$s" >/dev/null
done
# Folder names end in the set number in three digits, as a student folder does. The smaller
# roots hold hard links to the first folders of the largest (grading only reads).
mkdir -p "$work/r1000" "$work/r500" "$work/r250"
names=()
for i in $(seq 1 1000); do
    s=$(((i - 1) % sets + 1))
    kind=$([ $((i % 2)) = 0 ] && echo answered || echo fresh)
    names+=("$(printf '%05d%03d' "$i" "$s")")
    cp -r "$work/t/$kind$s" "$work/r1000/${names[-1]}"
done
(cd "$work/r1000" && cp -al "${names[@]:0:500}" "$work/r500/" && cp -al "${names[@]:0:250}" "$work/r250/")

# Wall and CPU (user + system) time of each run; on a busy machine the CPU time is the steadier.
declare -A ms cpu
for n in 250 500 1000; do
    walls=(); cpus=()
    for _ in $(seq 1 "$runs"); do
        taskset -c 0 /usr/bin/time -f '%e %U %S' -o "$work/time" \
            "$admin" grade-all --bank "$bank" --root "$work/r$n" >"$work/out$n.csv"
        read -r e u sy <"$work/time"
        walls+=("$(awk "BEGIN{printf \"%d\", $e * 1000}")")
        cpus+=("$(awk "BEGIN{printf \"%d\", ($u + $sy) * 1000}")")
    done
    rows=$(($(wc -l <"$work/out$n.csv") - 1))
    [ "$rows" = "$n" ] || { echo "grade-all graded $rows of $n folders" >&2; exit 1; }
    ms[$n]=$(printf '%s\n' "${walls[@]}" | median)
    cpu[$n]=$(printf '%s\n' "${cpus[@]}" | median)
    echo "grade-all over $n folders (median of $runs): wall ${ms[$n]} ms" \
        "($(awk "BEGIN{printf \"%.0f\", $n * 1000 / ${ms[$n]}}") papers/s), CPU ${cpu[$n]} ms" \
        "($(awk "BEGIN{printf \"%.0f\", $n * 1000 / ${cpu[$n]}}") papers/s)"
done
full=$(awk "BEGIN{print $(grep -c ',100$' "$work/out1000.csv")}")
echo "  answered folders scoring 100: $full of 500"
for kind in ms cpu; do
    declare -n t="$kind"
    step1=$(awk "BEGIN{printf \"%.2f\", (${t[500]} - ${t[250]}) / 250}")
    step2=$(awk "BEGIN{printf \"%.2f\", (${t[1000]} - ${t[500]}) / 500}")
    rate=$(awk "BEGIN{printf \"%.0f\", 1000 * 1000 / ${t[1000]}}")
    label=$([ "$kind" = ms ] && echo wall || echo CPU)
    echo "$label: cost per extra folder ${step1} ms (250->500), ${step2} ms (500->1000)" \
        "(goal: linear, about equal); 1000 folders at $rate papers/s (goal >= 500):" \
        "$([ "$rate" -ge 500 ] && echo met || echo MISSED)"
    unset -n t
done

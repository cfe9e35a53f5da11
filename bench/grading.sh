#!/usr/bin/env bash
# Grading one paper in-process (Google Benchmark, bench/grading_bench.cpp) on one core: the
# median of REPS repetitions, wall and CPU time per paper, against the goal of 2 ms.
# Usage: bench/grading.sh [BUILD_DIR=build] [REPS=5]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$here/build}"
reps="${2:-5}"
bench="$build/bench/grading_bench"
[ -x "$bench" ] || { echo "grading_bench not built (needs libbenchmark-dev)" >&2; exit 1; }
line=$(taskset -c 0 "$bench" --benchmark_min_time=1 --benchmark_repetitions="$reps" \
    --benchmark_report_aggregates_only=true 2>/dev/null | grep '_median')
read -r _ wall wunit cpu cunit _ <<<"$line"
if [ "$wunit" != ms ] || [ "$cunit" != ms ]; then
    echo "unexpected output: $line" >&2
    exit 1
fi
echo "grading one paper (median of $reps, one core): wall $wall ms, CPU $cpu ms (goal < 2 ms):" \
    "$(awk "BEGIN{print ($cpu < 2) ? \"met\" : \"MISSED\"}") (CPU; wall" \
    "$(awk "BEGIN{print ($wall < 2) ? \"met\" : \"missed\"}"))"

# shellcheck shell=bash
# Shared by the bench scripts (sourced): the built tools and small statistics.

# Sets admin and bank from BUILD_DIR (or fails when they are not built) and makes the scratch
# folder $work, removed when the script ends.
bench_setup() {
    admin="$1/src/app/quorvane-admin"
    bank="$1/data/cwmx/vb9708.mdb"
    if [ ! -x "$admin" ] || [ ! -f "$bank" ]; then
        echo "build quorvane-admin and sample_data in $1 first" >&2
        exit 1
    fi
    work="$(mktemp -d)"
    trap 'rm -rf "$work"' EXIT
}

# The median of numbers on standard input, one a line.
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

# "met" when VALUE <= LIMIT, else "MISSED".
verdict() { awk "BEGIN{print ($1 <= $2) ? \"met\" : \"MISSED\"}"; }


#!/usr/bin/env bash
# Installs every dependency, builds Quorvane and installs the sample data into drive C.
# Usage: scripts/setup.sh            (as root, or as a user with sudo for the package step)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$here"

as_root() {
    if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

packages=$(grep -v -E '^\s*(#|$)' scripts/packages.txt | tr '\n' ' ')
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    echo "== installing packages:$missing"
    as_root apt-get update
    # shellcheck disable=SC2086
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
fi

echo "== building"
cmake --preset default
cmake --build --preset default

"$here/scripts/install-data.sh"

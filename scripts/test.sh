#!/usr/bin/env bash
# Sets everything up, then runs every test: unit and window tests (offscreen platform) and the
# end-to-end tests under Xvfb with openbox. Exits non-zero on any failure.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/setup.sh"
cd "$here"
echo "== formatting"
"$here/scripts/check-format.sh"
echo "== tests"
ctest --preset default

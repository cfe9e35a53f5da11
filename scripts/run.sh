#!/usr/bin/env bash
# Sets everything up and starts the examination at its start screen.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/setup.sh"
exec "$here/build/src/app/quorvane"

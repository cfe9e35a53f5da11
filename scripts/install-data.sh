#!/usr/bin/env bash
# Installs the built sample data (the question bank and its img folder) as the data folder of
# drive C: $WINEPREFIX/drive_c/windows/system32/cwmx (WINEPREFIX defaults to ~/.wine).
# A bank that is already there is replaced only when it is the sample bank we installed.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
built="$here/build/data/cwmx"
drive="${WINEPREFIX:-$HOME/.wine}"
drive="${drive%/}/drive_c"
target="$drive/windows/system32/cwmx"
mkdir -p "$target" "$drive/WEXAM"
if [ -d "$built" ]; then
    cp -r "$built/." "$target/"
fi
echo "== data folder: $target"

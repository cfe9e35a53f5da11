#!/usr/bin/env bash
# Fails when a C++ file of ours is not formatted with the repo's .clang-format.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
files=$(git ls-files '*.cpp' '*.h')
[ -z "$files" ] && exit 0
# shellcheck disable=SC2086
clang-format --dry-run --Werror $files

#!/usr/bin/env bash
# The window list against a real X server and window manager: the X11 cases of platform_tests
# skip themselves without a display, so here every one of them must run and pass.
set -euo pipefail
tests="${QV_BIN:?}/../../tests/platform_tests"
[ -x "$tests" ] || { echo "FAIL: $tests not built" >&2; exit 1; }
out="$(mktemp)"
trap 'rm -f "$out"' EXIT

QT_QPA_PLATFORM=offscreen "$tests" --gtest_filter='X11WindowList*' | tee "$out"
if grep -q '^\[  SKIPPED \]' "$out"; then
    echo "FAIL: window list tests were skipped under Xvfb" >&2
    exit 1
fi
echo "window list e2e passed"

#!/usr/bin/env bash
# The help menu under a real X server: each web entry asks the desktop to open its address on
# the program's own loopback site, which answers with the shipped HTML page; the help entry
# opens Help.CHM from the program's folder; the About box opens modal and closes with Enter.
set -euo pipefail
# shellcheck source=e2e_lib.sh
source "$E2E_LIB"
e2e_setup_drive

helpers="${QV_HELPERS:-$QV_BIN/../../tests/e2e/helpers}"
[ -x "$helpers/qv_exam_harness" ] || e2e_fail "helpers not built in $helpers"
[ -f "$QV_BIN/Help.CHM" ] || e2e_fail "Help.CHM not built in $QV_BIN"
[ -d "$QV_BIN/site/tovo" ] || e2e_fail "site not built in $QV_BIN"
student="$WINEPREFIX/drive_c/WEXAM/27010001"
mkdir -p "$student/WARN"

# The harness runs from a folder laid out like the program's: the help file and the site
# beside the binary.
progdir="$(mktemp -d)"
cp "$helpers/qv_exam_harness" "$progdir/"
cp "$QV_BIN/Help.CHM" "$progdir/"
ln -s "$QV_BIN/site" "$progdir/site"
# A stand-in for the desktop's handler: it records what it was asked to open.
opened="$progdir/opened.txt"
mkdir -p "$progdir/bin"
cat >"$progdir/bin/xdg-open" <<STANDIN
#!/bin/sh
printf '%s\n' "\$1" >>"$opened"
STANDIN
chmod +x "$progdir/bin/xdg-open"
export PATH="$progdir/bin:$PATH" BROWSER="$progdir/bin/xdg-open"
: >"$opened"

pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    rm -rf "$WINEPREFIX" "$progdir"
}
trap cleanup EXIT

main_title='Quorvane_二级Visual Basic考试系统--姓名:模拟1, 准考证号:2701999988880001 \(单机版\)'
"$progdir/qv_exam_harness" --start >"$QV_ARTIFACTS/info_harness.out" 2>&1 &
pids+=($!)
main=$(wait_window "$main_title") || e2e_fail "main exam window did not appear"
sleep 0.3

opened_count() { wc -l <"$opened"; }
# menu_entry KEY: opens the help menu and chooses the entry by its access key. Two entries
# share R (参考答案 and 历年上机真题): the key then moves between them and Enter chooses.
menu_entry() {
    send_keys "$main" alt+h
    sleep 0.3
    if [ "$1" = r ]; then
        xdotool key --clearmodifiers r r Return
    else
        xdotool key --clearmodifiers "$1"
    fi
}

fetch() {  # fetch URL: prints the status line and the content type, then the body
    python3 - "$1" <<'PY'
import sys, urllib.request
with urllib.request.urlopen(sys.argv[1], timeout=5) as r:
    print(r.status, r.headers.get("Content-Type"))
    sys.stdout.write(r.read().decode("utf-8"))
PY
}

n=0
for entry in e:/tovo/ksdg.asp m:/tovo/bsyt.asp t:/tovo/bszt.asp r:/tovo/soft.asp; do
    key=${entry%%:*}
    path=${entry#*:}
    for round in 1 2; do
        menu_entry "$key"
        n=$((n + 1))
        wait_for "[ \$(opened_count) -ge $n ]" 10 || e2e_fail "entry $key (round $round) opened nothing"
    done
    url=$(tail -n 1 "$opened")
    case "$url" in
    http://127.0.0.1:*"$path") ;;
    *) e2e_fail "entry $key opened '$url', expected an address ending in $path" ;;
    esac
    page=$(fetch "$url") || e2e_fail "$url did not answer"
    head -n 1 <<<"$page" | grep -q '^200 text/html' || e2e_fail "$url: $(head -n 1 <<<"$page")"
    grep -q '<!DOCTYPE html>' <<<"$page" || e2e_fail "$url is not an HTML page"
done
# A path outside the shipped pages is not served.
base=$(tail -n 1 "$opened" | sed 's#/tovo/.*##')
if fetch "$base/tovo/../CMakeCache.txt" >/dev/null 2>&1; then e2e_fail "served a path outside the site"; fi

menu_entry h
n=$((n + 1))
wait_for "[ \$(opened_count) -ge $n ]" 10 || e2e_fail "the help entry opened nothing"
tail -n 1 "$opened" | grep -q "$progdir/Help.CHM\$" || e2e_fail "help opened $(tail -n 1 "$opened")"

menu_entry a
about=$(wait_window "关于 Quorvane上机考试系统") || e2e_fail "About box did not appear"
sleep 0.3
screenshot about_box
send_keys "$about" Return
wait_for "[ -z \"\$(windows_named '^关于 Quorvane上机考试系统\$')\" ]" 10 ||
    e2e_fail "About box still open after Enter"
echo "info e2e passed"

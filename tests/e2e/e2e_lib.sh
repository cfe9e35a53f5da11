# Helpers for the end-to-end scripts (sourced). Every wait is bounded.

# A private drive C with the built sample data installed as the data folder.
e2e_setup_drive() {
    WINEPREFIX="$(mktemp -d)"
    export WINEPREFIX
    mkdir -p "$WINEPREFIX/drive_c/windows/system32/cwmx"
    if [ -d "${QV_DATA_DIR:-}" ]; then
        cp -r "$QV_DATA_DIR/." "$WINEPREFIX/drive_c/windows/system32/cwmx/"
    fi
    mkdir -p "${QV_ARTIFACTS:?}"
}

e2e_fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# wait_for CONDITION-COMMAND [SECONDS]: polls until the command succeeds.
wait_for() {
    local cmd="$1" limit="${2:-15}" i
    for i in $(seq 1 $((limit * 10))); do
        if eval "$cmd" >/dev/null 2>&1; then return 0; fi
        sleep 0.1
    done
    return 1
}

# Visible window ids whose title matches the regular expression exactly.
windows_named() {
    xdotool search --onlyvisible --name "$1" 2>/dev/null || true
}

# The id of the one visible window with this exact title, waiting for it.
wait_window() {
    local title="$1" limit="${2:-15}"
    wait_for "[ -n \"\$(windows_named '^${title}\$')\" ]" "$limit" || return 1
    windows_named "^${title}\$" | tail -n 1
}

screenshot() {
    import -window root "$QV_ARTIFACTS/$1.png"
}

# Sends keys to a window after giving it the focus.
send_keys() {
    local id="$1"
    shift
    xdotool windowactivate --sync "$id" >/dev/null 2>&1 || xdotool windowfocus --sync "$id"
    xdotool key --clearmodifiers "$@"
}

#!/usr/bin/env bash
# Runs a command with its own X servers and stops them afterwards:
#   DISPLAY              an Xvfb with the openbox window manager
#   RUKCON_BARE_DISPLAY  a second Xvfb with no window manager, for the fallback paths
set -uo pipefail

pids=()
tmp=$(mktemp -d)
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
    for p in "${pids[@]}"; do wait "$p" 2>/dev/null; done
    rm -rf "$tmp"
}
trap cleanup EXIT

# Starts an Xvfb that picks a free display number itself; sets $display_num. Further
# arguments go to Xvfb.
start_xvfb() {
    local name="$1"
    shift
    local fifo="$tmp/displayfd.$name"
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp "$@" 3>"$fifo" >"$tmp/xvfb.$name.log" 2>&1 &
    pids+=($!)
    if ! read -r -t 15 display_num <"$fifo"; then
        echo "headless: Xvfb did not start" >&2
        cat "$tmp/xvfb.$name.log" >&2
        exit 1
    fi
}

# Keyboard layout tests run setxkbmap there: without -noreset the server would go back to its
# first keymap whenever its last client leaves.
start_xvfb main -noreset
export DISPLAY=":$display_num"
start_xvfb bare
export RUKCON_BARE_DISPLAY=":$display_num"
# A server that lists windows but takes no synthetic keys: the program must call that unusable.
start_xvfb noxtest -extension XTEST
export RUKCON_NO_XTEST_DISPLAY=":$display_num"

openbox --sm-disable >"$tmp/openbox.log" 2>&1 &
pids+=($!)
for _ in $(seq 1 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
if ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
    echo "headless: openbox did not start" >&2
    cat "$tmp/openbox.log" >&2
    exit 1
fi
# openbox announces itself a moment before it manages new windows reliably.
for _ in $(seq 1 50); do
    xprop -root _NET_CLIENT_LIST_STACKING 2>/dev/null | grep -q 'WINDOW' && break
    sleep 0.1
done
sleep 0.3

export XDG_RUNTIME_DIR="$tmp/runtime"
mkdir -m 0700 "$XDG_RUNTIME_DIR"

"$@"

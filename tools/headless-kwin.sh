#!/usr/bin/env bash
# Runs a command beside a headless KWin (KDE Plasma's compositor) with its permission checks on,
# and stops it afterwards. KWin and the command run as the caller: KWin tells a trusted client
# by its /proc/PID/exe, which it can read only for its own user's processes. KWin looks for the
# desktop files that make a program trusted in the applications folders of XDG_DATA_DIRS as the
# caller passes it. The command finds KWin through XDG_RUNTIME_DIR and WAYLAND_DISPLAY, which are
# exported for it. Without KWin installed the command runs with no compositor (and skips).
set -uo pipefail

if ! command -v kwin_wayland >/dev/null || ! command -v dbus-run-session >/dev/null; then
    echo "headless-kwin: kwin_wayland is not installed; running without a compositor" >&2
    unset WAYLAND_DISPLAY
    exec "$@"
fi

tmp=$(mktemp -d)
runtime="$tmp/runtime"
mkdir -m 0700 "$runtime" "$tmp/home"
pid=
cleanup() {
    if [[ -n "$pid" ]]; then
        kill -- -"$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    fi
    rm -rf "$tmp"
}
trap cleanup EXIT

# A French layout: keys typed must not depend on the user's layout.
mkdir -p "$tmp/config"
printf '[Layout]\nLayoutList=fr\nUse=true\n' >"$tmp/config/kxkbrc"

# The installed binary carries a file capability that a container may refuse to grant; a copy
# has none and runs.
cp "$(command -v kwin_wayland)" "$tmp/kwin_wayland"
socket=rukcon-kwin
# A session of its own (setsid), so that stopping it stops the bus and KWin together.
setsid env -u WAYLAND_DISPLAY -u DISPLAY -u QT_QPA_PLATFORM -u KWIN_WAYLAND_NO_PERMISSION_CHECKS \
    HOME="$tmp/home" XDG_RUNTIME_DIR="$runtime" XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/data" \
    XDG_CACHE_HOME="$tmp/cache" XDG_DATA_DIRS="${XDG_DATA_DIRS:-/usr/local/share:/usr/share}" KWIN_COMPOSE=Q \
    dbus-run-session -- "$tmp/kwin_wayland" --virtual --width 1024 --height 768 --no-lockscreen \
    --no-global-shortcuts --no-kactivities --socket "$socket" >"$tmp/kwin.log" 2>&1 &
pid=$!

for _ in $(seq 1 100); do
    [[ -S "$runtime/$socket" ]] && break
    if ! kill -0 "$pid" 2>/dev/null; then break; fi
    sleep 0.1
done
if [[ ! -S "$runtime/$socket" ]]; then
    echo "headless-kwin: KWin did not start" >&2
    cat "$tmp/kwin.log" >&2
    exit 1
fi

export XDG_RUNTIME_DIR="$runtime"
export WAYLAND_DISPLAY="$socket"
"$@"

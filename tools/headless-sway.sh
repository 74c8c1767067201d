#!/usr/bin/env bash
# Runs a command beside a headless sway and stops it afterwards. sway refuses to run as root,
# so it runs as an unprivileged user (created when missing); the command keeps the caller's
# identity and reaches the compositor through XDG_RUNTIME_DIR and WAYLAND_DISPLAY, which are
# exported for it. Without sway installed the command runs with no compositor (and skips).
set -uo pipefail

if ! command -v sway >/dev/null; then
    echo "headless-sway: sway is not installed; running without a compositor" >&2
    unset WAYLAND_DISPLAY
    exec "$@"
fi

user=${RUKCON_SWAY_USER:-rukcon-sway}
if ! id -u "$user" >/dev/null 2>&1; then
    useradd --system --no-create-home --shell /usr/sbin/nologin "$user" || {
        echo "headless-sway: cannot create user $user" >&2
        exit 1
    }
fi

tmp=$(mktemp -d)
chmod 0755 "$tmp"
runtime="$tmp/runtime"
mkdir -m 0700 "$runtime"
chown "$user" "$runtime"
pid=
cleanup() {
    if [[ -n "$pid" ]]; then
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    fi
    rm -rf "$tmp"
}
trap cleanup EXIT

# Tabbed: windows of the workspace lie one behind another, as on a stacking desktop. A French
# layout for every keyboard: keys typed must not depend on the user's layout.
cat >"$tmp/config" <<'CFG'
output HEADLESS-1 resolution 1280x800
workspace_layout tabbed
input type:keyboard xkb_layout fr
CFG
chmod 0644 "$tmp/config"

runuser -u "$user" -- env -i PATH="$PATH" HOME="$tmp" XDG_RUNTIME_DIR="$runtime" \
    WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
    sway -c "$tmp/config" >"$tmp/sway.log" 2>&1 &
pid=$!

socket=
for _ in $(seq 1 100); do
    socket=$(find "$runtime" -maxdepth 1 -name 'wayland-*' -type s -printf '%f\n' 2>/dev/null | head -n 1)
    [[ -n "$socket" ]] && break
    if ! kill -0 "$pid" 2>/dev/null; then break; fi
    sleep 0.1
done
if [[ -z "$socket" ]]; then
    echo "headless-sway: sway did not start" >&2
    cat "$tmp/sway.log" >&2
    exit 1
fi

export XDG_RUNTIME_DIR="$runtime"
export WAYLAND_DISPLAY="$socket"
"$@"

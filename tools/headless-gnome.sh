#!/usr/bin/env bash
# Runs a test program beside a headless GNOME Shell with the program's extension, installed from
# the build, enabled; stops the shell afterwards. Usage: headless-gnome.sh BUILD_DIR PROGRAM [ARG…]
#
# The build is installed into a temporary prefix (cmake --install --prefix DIR) and PROGRAM is
# copied to DIR/bin/rukcon, where the extension expects the program: it serves only that file.
# The copy runs with WAYLAND_DISPLAY and the shell's session bus; RUKCON_SHELL_PREFIX names DIR.
# RUKCON_SHELL_EXTENSION_UUID and RUKCON_SHELL_BUS_NAME name the extension and its bus name.
# Without gnome-shell installed the program runs with no compositor (and skips).
set -uo pipefail
build=$1 program=$2
shift 2
: "${RUKCON_SHELL_EXTENSION_UUID:?}" "${RUKCON_SHELL_BUS_NAME:?}"

if ! command -v gnome-shell >/dev/null; then
    echo "headless-gnome: gnome-shell is not installed; running without it" >&2
    unset WAYLAND_DISPLAY
    exec "$program" "$@"
fi

tmp=$(mktemp -d)
chmod 0755 "$tmp"
sysbus_pid=
cleanup() {
    [[ -n "$sysbus_pid" ]] && kill "$sysbus_pid" 2>/dev/null && wait "$sysbus_pid" 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT

prefix="$tmp/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "headless-gnome: install failed" >&2; exit 1; }
cp "$program" "$prefix/bin/rukcon"

# The shell's login-manager code needs a system bus; a session bus's configuration serves.
dbus-daemon --config-file=/usr/share/dbus-1/session.conf --address="unix:path=$tmp/sysbus" --nofork \
    >/dev/null 2>&1 &
sysbus_pid=$!
export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$tmp/sysbus"

# Exported before dbus-run-session, so dconf writes where the shell reads. A fresh runtime folder:
# a killed shell leaves a file there that keeps extensions off at the next start.
mkdir -m 0700 "$tmp/runtime"
export HOME="$tmp" XDG_RUNTIME_DIR="$tmp/runtime" XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/data" \
    XDG_CACHE_HOME="$tmp/cache" XDG_DATA_DIRS="$prefix/share:${XDG_DATA_DIRS:-/usr/local/share:/usr/share}"
export RUKCON_SHELL_PREFIX="$prefix" RUKCON_SHELL_LOG="$tmp/shell.log"
unset DBUS_SESSION_BUS_ADDRESS WAYLAND_DISPLAY

exec dbus-run-session -- bash -c '
gsettings set org.gnome.shell disable-user-extensions false
gsettings set org.gnome.shell enabled-extensions "[\"$RUKCON_SHELL_EXTENSION_UUID\"]"
gnome-shell --headless --wayland --no-x11 --wayland-display=rukcon-gnome --virtual-monitor 1024x768 \
    >"$RUKCON_SHELL_LOG" 2>&1 &
shell=$!
trap "kill $shell 2>/dev/null; wait $shell 2>/dev/null" EXIT

shell_call() { gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell "$@" 2>/dev/null; }
overview() { shell_call --method org.freedesktop.DBus.Properties.Get org.gnome.Shell OverviewActive; }
extension_on() {
    gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
        --method org.freedesktop.DBus.NameHasOwner "$RUKCON_SHELL_BUS_NAME" 2>/dev/null | grep -q true
}
# The shell shows the overview as its start-up animation; a window activated while it shows loses
# the focus when it hides. So: wait for the extension and for the overview to have come (or 15 s),
# then hide it and wait until it is hidden.
ready= shown=
for _ in $(seq 1 300); do
    kill -0 $shell 2>/dev/null || break
    [[ "$(overview)" == "(<true>,)" ]] && shown=1
    if extension_on && [[ -n "$shown" ]]; then
        ready=1
        break
    fi
    sleep 0.05
done
[[ -z "$ready" ]] && extension_on && ready=1
if [[ -n "$ready" ]]; then
    ready=
    for _ in $(seq 1 200); do
        shell_call --method org.freedesktop.DBus.Properties.Set org.gnome.Shell OverviewActive "<false>" >/dev/null
        if [[ "$(overview)" == "(<false>,)" ]]; then
            ready=1
            break
        fi
        sleep 0.05
    done
fi
if [[ -z "$ready" ]]; then
    echo "headless-gnome: the shell did not start with the extension on" >&2
    cat "$RUKCON_SHELL_LOG" >&2
    exit 1
fi
export WAYLAND_DISPLAY=rukcon-gnome
"$RUKCON_SHELL_PREFIX/bin/rukcon" "$@"
status=$?
# What the extension (or the shell) said, for a failure.
[[ $status -ne 0 ]] && grep -E "JS (ERROR|WARNING)|rukcon" "$RUKCON_SHELL_LOG" >&2
exit $status
' headless-gnome "$@"

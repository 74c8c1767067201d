#!/bin/sh
# Installs the build into a temporary DESTDIR and runs the installed program's command line,
# which needs no display: --version, --help naming the settings folder of an installed copy, an
# unknown option, and a start without a display. Usage: install-test.sh CMAKE BUILD_DIR VERSION FILE_LIST
set -eu
cmake=$1 build=$2 version=$3 list=$4
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
fail() { echo "install-test: $*" >&2; exit 1; }

DESTDIR="$dest" "$cmake" --install "$build" --prefix /usr >/dev/null
while read -r file; do
    [ -f "$dest/usr/$file" ] || fail "not installed: /usr/$file"
done <"$list"
[ "$(find "$dest" -type f | wc -l)" -eq "$(wc -l <"$list")" ] || fail "unexpected files: $(find "$dest" -type f)"
grep -qx 'Exec=rukcon' "$dest/usr/share/applications/rukcon.desktop" || fail "Exec does not name rukcon"
# The Shell extension serves only the executable its folder leads to.
extension="$dest/usr/share/gnome-shell/extensions/rukcon@example.org"
from_folder=$(sed -n "s/^const PROGRAM_FROM_FOLDER = '\(.*\)';$/\1/p" "$extension/extension.js")
[ "$extension/$from_folder" -ef "$dest/usr/bin/rukcon" ] || fail "the extension looks for the program at '$from_folder'"
grep -q '"uuid": "rukcon@example.org"' "$extension/metadata.json" || fail "the extension's metadata names another uuid"

# Run as a user would: no display, settings under a config home of its own.
rukcon() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$dest/config" "$dest/usr/bin/rukcon" "$@"; }

[ "$(rukcon --version)" = "rukcon $version" ] || fail "--version: $(rukcon --version)"
rukcon --help | grep -qF "$dest/config/rukcon/設定" || fail "--help does not name the config folder: $(rukcon --help)"

status=0
rukcon --bogus 2>"$dest/err" || status=$?
[ "$status" -eq 2 ] || fail "unknown option: exit $status"
grep -q '^Usage: rukcon' "$dest/err" || fail "unknown option: no usage line"

status=0
rukcon 2>"$dest/err" || status=$?
[ "$status" -ne 0 ] || fail "no display: exit 0"
[ "$(wc -l <"$dest/err")" -eq 1 ] || fail "no display: not one line: $(cat "$dest/err")"
[ ! -e "$dest/config" ] || fail "something was written under the config home"
echo "install-test: ok"

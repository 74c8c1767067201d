#!/bin/sh
# Installs the build into a temporary DESTDIR and runs the installed program's command line,
# which needs no display: --version, --help naming the settings folder of an installed copy, an
# unknown option, and a start without a display. Checks the copyright file against the sources.
# Usage: install-test.sh CMAKE BUILD_DIR VERSION FILE_LIST SOURCE_DIR
set -eu
cmake=$1 build=$2 version=$3 list=$4 source=$5
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
fail() { echo "install-test: $*" >&2; exit 1; }

DESTDIR="$dest" "$cmake" --install "$build" --prefix /usr >/dev/null
while read -r file; do
    [ -f "$dest/usr/$file" ] || fail "not installed: /usr/$file"
done <"$list"
[ "$(find "$dest" -type f | wc -l)" -eq "$(wc -l <"$list")" ] || fail "unexpected files: $(find "$dest" -type f)"
# KWin trusts the program only through a menu entry naming the installed executable by its
# absolute path and the two interfaces it needs.
entry="$dest/usr/share/applications/rukcon.desktop"
grep -qx 'Exec=/usr/bin/rukcon' "$entry" || fail "Exec is not the installed executable: $(grep Exec "$entry")"
grep -qx 'X-KDE-Wayland-Interfaces=org_kde_plasma_window_management,org_kde_kwin_fake_input' "$entry" ||
    fail "no X-KDE-Wayland-Interfaces naming both interfaces"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entry" || fail "the installed menu entry is not valid"
fi
# The Shell extension serves only the executable its folder leads to.
extension="$dest/usr/share/gnome-shell/extensions/rukcon@rukcon.github.io"
from_folder=$(sed -n "s/^const PROGRAM_FROM_FOLDER = '\(.*\)';$/\1/p" "$extension/extension.js")
[ "$extension/$from_folder" -ef "$dest/usr/bin/rukcon" ] || fail "the extension looks for the program at '$from_folder'"
grep -q '"uuid": "rukcon@rukcon.github.io"' "$extension/metadata.json" || fail "the extension's metadata names another uuid"

# The copyright file in the machine-readable format: the program under the GPL, version 3 or later,
# whose text Debian keeps, and a Files paragraph for each file of protocols/ under a licence of its
# own; every licence it names has a paragraph with its text.
copyright="$dest/usr/share/doc/rukcon/copyright"
[ "$(head -n1 "$copyright")" = 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ] ||
    fail "copyright: not in the machine-readable format"
awk 'BEGIN { RS = "" } /(^|\n)Files: \*\n/ && /\nLicense: GPL-3\+(\n|$)/ { found = 1 } END { exit !found }' "$copyright" ||
    fail "copyright: Files: * is not under GPL-3+"
grep -qF '"/usr/share/common-licenses/GPL-3"' "$copyright" || fail "copyright: no pointer to the GPL text"
for file in "$source"/protocols/*; do
    grep -qx "Files: protocols/${file##*/}" "$copyright" || fail "copyright: no Files paragraph for protocols/${file##*/}"
done
unexplained=$(awk 'BEGIN { RS = ""; FS = "\n" }
    { files = 0; name = ""; text = 0
      for (i = 1; i <= NF; i++) {
          if ($i ~ /^Files:/) files = 1
          else if ($i ~ /^License:/) name = substr($i, 10)
          else if (name != "" && $i ~ /^ / && !files) text = 1
      }
      if (name == "") next
      if (files) used[name] = 1; else if (text) given[name] = 1 }
    END { for (n in used) if (!(n in given)) print n }' "$copyright")
[ -z "$unexplained" ] || fail "copyright: no licence text for $unexplained"

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

#!/bin/sh
# Installs the build with `cmake --install --prefix DIR`, puts the KWin test program in the place
# of the installed executable (the menu entry stays as installed), and runs it beside a headless
# KWin that finds the entry in DIR/share: trusted there, and untrusted from where it was built.
# Usage: kwin-test.sh CMAKE BUILD_DIR TEST_PROGRAM
set -eu
cmake=$1 build=$2 program=$3
tools=$(dirname "$0")/../../tools
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT

"$cmake" --install "$build" --prefix "$dest" >/dev/null
cp "$program" "$dest/bin/rukcon"
XDG_DATA_DIRS="$dest/share:/usr/share" "$tools/headless-kwin.sh" sh -c \
    'RUKCON_KWIN_TRUSTED=1 "$1" --gtest_filter=-KwinUntrusted\* && "$2" --gtest_filter="KwinUntrusted*"' sh "$dest/bin/rukcon" "$program"

#!/bin/sh
# Builds the Debian package from the build folder and checks what it holds and depends on, that its
# changelog speaks of its version, and that lintian finds no error in it.
# Usage: package-test.sh CPACK CPACK_CONFIG FILE_LIST
set -eu
cpack=$1 config=$2 list=$3
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "package-test: $*" >&2; exit 1; }

"$cpack" -G DEB --config "$config" -B "$out" >"$out/cpack.log" 2>&1 || { cat "$out/cpack.log" >&2; fail "cpack failed"; }
deb=$(ls "$out"/rukcon_*.deb) || fail "no rukcon_<version>_<arch>.deb"
dpkg-deb -c "$deb" | awk '{print $NF}' >"$out/contents"
while read -r file; do
    grep -qx "./usr/$file" "$out/contents" || fail "missing from the package: /usr/$file"
done <"$list"
[ -z "$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -E 'preinst|postinst|prerm|postrm')" ] ||
    fail "the package has maintainer scripts"
depends=$(dpkg-deb -f "$deb" Depends)
for wanted in 'fonts-ipafont-gothic | fonts-noto-cjk | fonts-vlgothic' qt6-qpa-plugins libqt6widgets6 libsdl2 libxtst6; do
    echo "$depends" | grep -qF "$wanted" || fail "Depends lacks $wanted: $depends"
done
# The menu entry names the executable where the package puts it (KWin trusts it only so).
dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/applications/rukcon.desktop | grep -qx 'Exec=/usr/bin/rukcon' ||
    fail "the packaged menu entry does not name /usr/bin/rukcon"
version=$(dpkg-deb -f "$deb" Version)
dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/doc/rukcon/changelog.gz | gzip -d >"$out/changelog"
[ "$(dpkg-parsechangelog -l "$out/changelog" -S Version)" = "$version" ] ||
    fail "the changelog's latest entry is not for version $version"
# Lintian would rather not run as root (as CI does) and says so on stderr: only its findings count.
lintian --fail-on error --tag-display-limit 0 "$deb" 2>"$out/lintian.err" || { cat "$out/lintian.err" >&2; fail "lintian found errors"; }
echo "package-test: ok"

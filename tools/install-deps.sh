#!/usr/bin/env bash
# Installs the Debian packages that are missing. Arguments name the sets: build, test, package.
set -euo pipefail

build_pkgs=(cmake ninja-build g++ make pkg-config qt6-base-dev libsdl2-dev libx11-dev libxtst-dev
            libwayland-dev libwayland-bin libxkbcommon-dev plasma-wayland-protocols qt6-wayland
            libgtest-dev libgmock-dev libbenchmark-dev fonts-ipafont-gothic python3)
package_pkgs=(dpkg-dev fakeroot file)
test_pkgs=(xvfb openbox xdotool x11-utils x11-xserver-utils x11-xkb-utils xkb-data imagemagick trayer
           desktop-file-utils appstream lintian sway foot kwin-wayland dbus-daemon
           gnome-shell mutter gjs libglib2.0-bin dconf-service dconf-gsettings-backend nodejs
           "${package_pkgs[@]}")

wanted=()
for set in "$@"; do
    case "$set" in
        build) wanted+=("${build_pkgs[@]}") ;;
        test) wanted+=("${test_pkgs[@]}") ;;
        package) wanted+=("${package_pkgs[@]}") ;;
        *) echo "install-deps: unknown set '$set'" >&2; exit 2 ;;
    esac
done

missing=()
for p in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "install-deps: installing ${missing[*]}"
sudo=()
if [[ $(id -u) -ne 0 ]]; then
    command -v sudo >/dev/null || { echo "install-deps: not root and no sudo; install: ${missing[*]}" >&2; exit 1; }
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"

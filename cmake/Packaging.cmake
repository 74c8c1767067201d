# `make package`: a Debian package of the installation, built by CPack from the same install
# rules. Shared-library dependencies come from dpkg-shlibdeps; what no library names is declared
# here: a Japanese font (the whole window is Japanese) and Qt's platform plugins.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rukcon)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "game controller to keyboard keys for one chosen program")
set(CPACK_PACKAGE_DESCRIPTION
    "RUKコン lets a game controller drive programs that only understand the keyboard.
While an input of the controller is held, it brings one target program, found
by a fragment of its window caption, to the front and types the keys assigned
to that input. It lives in the notification area, switches between up to
twelve named profiles from its tray menu, and shows a picture of the
controller whose buttons light up while they are held. Its window is in
Japanese. It works in X11 sessions, on wlroots-based Wayland compositors
(sway, labwc, Hyprland ...), on KDE Plasma under Wayland, and on GNOME under
Wayland through the GNOME Shell extension it installs (log in again, then
gnome-extensions enable rukcon@rukcon.github.io).")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "RUKコン developers <rukcon@example.org>")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic | fonts-noto-cjk | fonts-vlgothic, qt6-qpa-plugins, qt6-wayland")
include(CPack)

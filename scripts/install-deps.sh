#!/bin/sh
# Installs the Debian packages that building and testing Quillet need, when missing.
#   install-deps.sh [qt6|qt5|win32]    qt6 (the default): the Linux build on Qt 6;
#   qt5: the Linux build on Qt 5.15; win32: the 32-bit Windows cross build and Wine.
set -e
common="cmake make patch pkg-config fonts-dejavu-core"
linux="g++ libtidy-dev libgl-dev desktop-file-utils"
case "${1:-qt6}" in
qt6) packages="$common $linux qt6-base-dev" ;;
qt5) packages="$common $linux qtbase5-dev" ;;
win32) packages="$common g++-mingw-w64-i686 xz-utils zip wine wine32:i386" ;;
*) echo "usage: $0 [qt6|qt5|win32]" >&2; exit 2 ;;
esac
missing=""
for p in $packages; do
    dpkg -s "$p" >/dev/null 2>&1 || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
# Wine's 32-bit half comes from the i386 architecture.
case "$missing" in
*:i386*) dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386 ;;
esac
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends $missing

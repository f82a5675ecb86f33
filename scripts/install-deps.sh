#!/bin/sh
# Installs the Debian packages that building and testing Quillet need, when missing, and
# makes Debian's source packages reachable for apt-get source, which brings the editor
# component's source (QScintilla) into the build, and PCRE2's into the Windows build.
#   install-deps.sh [qt6|qt5|sanitize|win32|win64|wine32|wine64|sources]
#   qt6 (the default): the Linux build on Qt 6; qt5: the Linux build on Qt 5.15; sanitize:
#   that build with clang, its sanitizers and libFuzzer (the fuzz targets); win32, win64:
#   the 32-bit or 64-bit Windows cross build and its setup program; wine32, wine64: Wine of
#   that width, with Xvfb and xdotool, for the Windows tests; sources: only the source
#   packages.
set -e
common="cmake make patch pkg-config fonts-dejavu-core"
linux="g++ libtidy-dev libpcre2-dev libhunspell-dev hunspell-en-us libgl-dev desktop-file-utils"
clang="clang libclang-rt-14-dev" # with the sanitizers' and libFuzzer's runtimes, a package apart
windows="$common xz-utils zip icoutils librsvg2-bin nsis hunspell-en-us"
wine="wine xvfb xdotool"
case "${1:-qt6}" in
qt6) packages="$common $linux qt6-base-dev" ;;
qt5) packages="$common $linux qtbase5-dev" ;;
sanitize) packages="$common $linux qtbase5-dev $clang" ;;
win32) packages="$windows g++-mingw-w64-i686" ;;
win64) packages="$windows g++-mingw-w64-x86-64" ;;
wine32) packages="$wine wine32:i386" ;;
wine64) packages="$wine wine64" ;;
sources) packages="" ;;
*) echo "usage: $0 [qt6|qt5|sanitize|win32|win64|wine32|wine64|sources]" >&2; exit 2 ;;
esac
missing=""
for p in $packages; do
    dpkg -s "$p" >/dev/null 2>&1 || missing="$missing $p"
done
sources_known=yes
apt-cache showsrc qscintilla2 >/dev/null 2>&1 || sources_known=""
[ -z "$missing" ] && [ -n "$sources_known" ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
# The source packages come from the deb-src twin of the system's own sources.
if [ -z "$sources_known" ] && ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ \
    && ! grep -qs '^deb-src' /etc/apt/sources.list; then
    echo "Adding the source packages of the system's own package sources"
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources \
            | $sudo tee /etc/apt/sources.list.d/debian-src.sources >/dev/null
    else
        sed -n 's/^deb /deb-src /p' /etc/apt/sources.list \
            | $sudo tee /etc/apt/sources.list.d/debian-src.list >/dev/null
    fi
fi
# Wine's 32-bit half comes from the i386 architecture, which goes again when it cannot be
# installed, so that it does not trouble later installs.
added_i386=""
case "$missing" in
*:i386*)
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        $sudo dpkg --add-architecture i386
        added_i386=yes
    fi ;;
esac
# A mirror caught mid-sync fails one list now and then; the others still serve.
$sudo apt-get update -qq || echo "apt-get update failed in part; going on with the lists it has"
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
if ! DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends $missing
then
    [ -z "$added_i386" ] || $sudo dpkg --remove-architecture i386
    exit 1
fi

#!/usr/bin/env bash
# Cross-builds Quillet for Windows against Qt 5.15 for Windows, 32-bit or 64-bit, and lays
# out build-win32/ or build-win64/: Quillet, a folder that runs on Windows as it is, its zip
# and the setup program that installs it (quillet-2.0-setup.exe, quillet-2.0-x64-setup.exe).
#   build-windows.sh 32|64 [test]     test: also runs the test suite and the setup
#                                     program's tests under Wine
# Qt for Windows is looked for in QUILLET_WINDOWS_QT (default /opt/qt5-win32 or
# /opt/qt5-win64). When it is missing, the prepared archive shared/toolchains/
# qt5.15.8-winNN.tar.xz beside the clone (or in a folder above it) is unpacked; without one,
# scripts/build-qt5-windows.sh builds it from Debian's source packages (about 20 minutes on
# 2 cores).
set -euo pipefail
cd "$(dirname "$0")/.."
width=${1:-}
case $width in
32) arch=i686 zip=quillet-2.0-win32.zip setup=quillet-2.0-setup.exe ;;
64) arch=x86_64 zip=quillet-2.0-win64.zip setup=quillet-2.0-x64-setup.exe ;;
*) echo "usage: $0 32|64 [test]" >&2; exit 2 ;;
esac
host=$arch-w64-mingw32
qt=${QUILLET_WINDOWS_QT:-/opt/qt5-win$width}
build=${BUILD_WINDOWS:-build-win$width}
jobs=${JOBS:-2}
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

# What the build needs; Wine only for a test run, and apart, so that the program is built
# even where Wine cannot be installed.
sh scripts/install-deps.sh "win$width"
if [ ! -e "$qt/bin/Qt5Core.dll" ]; then
    archive=""
    dir=$(pwd)
    while [ "$dir" != / ] && [ -z "$archive" ]; do
        dir=$(dirname "$dir")
        candidate="$dir/shared/toolchains/qt5.15.8-win$width.tar.xz"
        [ -f "$candidate" ] && archive=$candidate
    done
    if [ -n "$archive" ] && [ "$qt" = "/opt/qt5-win$width" ]; then
        echo "Unpacking $archive"
        $sudo tar -C / -xJf "$archive"
    else
        $sudo bash scripts/build-qt5-windows.sh "$width" "$qt"
    fi
fi

cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="$(pwd)/cmake/mingw-w64.cmake" \
    -DQUILLET_WINDOWS_WIDTH="$width" -DQUILLET_WINDOWS_QT="$qt" -DQUILLET_QT=5 \
    -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" -j"$jobs"

# The program beside the DLLs it loads, and the plugins Qt looks for beside it.
folder="$build/Quillet"
rm -rf "$folder" "${build:?}/$zip"
mkdir -p "$folder"
cp "$build/quillet.exe" "$folder/"
"$host-strip" "$folder/quillet.exe"
for plugin in platforms/qwindows styles/qwindowsvistastyle printsupport/windowsprintersupport \
    imageformats/qgif imageformats/qico imageformats/qjpeg; do
    mkdir -p "$folder/$(dirname $plugin)"
    cp "$qt/plugins/$plugin.dll" "$folder/$plugin.dll"
done
# Every DLL these load from Qt's folder (Qt, QScintilla, HTML Tidy, the compiler's
# runtime), and what those load in turn; the rest is Windows' own.
copy_imports() {
    local dll
    for dll in $("$host-objdump" -p "$1" | sed -n 's/^\s*DLL Name: //p'); do
        if [ -f "$qt/bin/$dll" ] && [ ! -f "$folder/$dll" ]; then
            cp "$qt/bin/$dll" "$folder/"
            copy_imports "$folder/$dll"
        fi
    done
}
# English (US) from Debian's hunspell-en-us, in the folder Quillet looks for dictionaries in.
mkdir -p "$folder/dictionaries"
cp /usr/share/hunspell/en_US.aff /usr/share/hunspell/en_US.dic "$folder/dictionaries/"
for binary in "$folder"/quillet.exe "$folder"/*/*.dll; do
    copy_imports "$binary"
done
"$host-strip" --strip-unneeded "$folder"/lib*.dll
(cd "$build" && zip -qr "$zip" Quillet)

# The setup program installs that folder; its uninstaller removes exactly the files in it,
# deepest first, so that pages the user keeps beside them stay.
windows_paths() {
    (cd "$folder" && find . -mindepth 1 -type "$1" | sort -r | sed 's|^\./||; s|/|\\|g')
}
{
    windows_paths f | sed 's|.*|    Delete "$INSTDIR\\&"|'
    windows_paths d | sed 's|.*|    RMDir "$INSTDIR\\&"|'
} > "$build/windows/uninstall.nsh"
cat packaging/windows/license.txt /usr/share/common-licenses/GPL-3 > "$build/windows/license.txt"
makensis -V2 -DBUILD="$(pwd)/$build" packaging/windows/quillet.nsi
echo "Built $folder, $build/$zip and $build/$setup"

[ "${2:-}" = test ] || exit 0
# Wine's loader for the width: the 64-bit one comes with amd64 packages alone; the 32-bit
# one needs the i386 architecture's packages, which a mirror cannot always match to the
# system's, and a kernel that runs 32-bit code.
loader=/usr/lib/wine/wine64
[ "$width" = 32 ] && loader=/usr/lib/wine/wine
if ! sh scripts/install-deps.sh "wine$width"; then
    if [ "$width" = 64 ]; then
        echo "64-bit Wine could not be installed: the Windows suite cannot run." >&2
        exit 1
    fi
    echo "NOT RUN: Wine's 32-bit half (wine32:i386) could not be installed here, so the"
    echo "32-bit suite and the setup program's tests were not run; the program, its tests"
    echo "and the setup program are built. make test-win64 runs them on the 64-bit build."
    exit 0
fi
if ! "$loader" --version >/dev/null 2>&1; then
    echo "NOT RUN: this machine runs no 32-bit code (IA-32 emulation is off), so Wine cannot"
    echo "run the 32-bit suite and the setup program's tests here; the program, its tests"
    echo "and the setup program are built. make test-win64 runs them on the 64-bit build."
    exit 0
fi
# A Wine prefix of its own, made once before the tests run side by side; no Mono or
# Gecko installers, which would wait for a click.
export WINEPREFIX=${WINEPREFIX:-$(pwd)/$build/wine} WINEARCH=win$width
export WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG=-all
wineboot --init >/dev/null 2>&1
(cd "$build" && ctest --output-on-failure -j"$jobs")
wineserver -k 2>/dev/null || true
bash tests/windows/test-setup.sh "$build" "$width"

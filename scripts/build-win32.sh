#!/usr/bin/env bash
# Cross-builds Quillet for 32-bit Windows against Qt 5.15 for Windows and lays out
# build-win32/Quillet, a folder that runs on Windows as it is, its zip and the setup
# program that installs it (build-win32/quillet-2.0-setup.exe).
#   build-win32.sh [test]     test: also runs the test suite and the setup program's
#                             tests under Wine
# Qt for Windows is looked for in QUILLET_WIN32_QT (default /opt/qt5-win32). When it is
# missing, the prepared archive shared/toolchains/qt5.15.8-win32.tar.xz beside the clone (or
# in a folder above it) is unpacked; without one, scripts/build-qt5-win32.sh builds it from
# Debian's source packages (about 20 minutes on 2 cores).
set -euo pipefail
cd "$(dirname "$0")/.."
qt=${QUILLET_WIN32_QT:-/opt/qt5-win32}
build=${BUILD_WIN32:-build-win32}
jobs=${JOBS:-2}
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

sh scripts/install-deps.sh win32
if [ ! -e "$qt/bin/Qt5Core.dll" ]; then
    archive=""
    dir=$(pwd)
    while [ "$dir" != / ] && [ -z "$archive" ]; do
        dir=$(dirname "$dir")
        candidate="$dir/shared/toolchains/qt5.15.8-win32.tar.xz"
        [ -f "$candidate" ] && archive=$candidate
    done
    if [ -n "$archive" ] && [ "$qt" = /opt/qt5-win32 ]; then
        echo "Unpacking $archive"
        $sudo tar -C / -xJf "$archive"
    else
        $sudo bash scripts/build-qt5-win32.sh "$qt"
    fi
fi

cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="$(pwd)/cmake/i686-w64-mingw32.cmake" \
    -DQUILLET_WIN32_QT="$qt" -DQUILLET_QT=5 -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" -j"$jobs"

# The program beside the DLLs it loads, and the plugins Qt looks for beside it.
folder="$build/Quillet"
rm -rf "$folder" "$build/quillet-2.0-win32.zip"
mkdir -p "$folder"
cp "$build/quillet.exe" "$folder/"
i686-w64-mingw32-strip "$folder/quillet.exe"
for plugin in platforms/qwindows styles/qwindowsvistastyle printsupport/windowsprintersupport \
    imageformats/qgif imageformats/qico imageformats/qjpeg; do
    mkdir -p "$folder/$(dirname $plugin)"
    cp "$qt/plugins/$plugin.dll" "$folder/$plugin.dll"
done
# Every DLL these load from Qt's folder (Qt, QScintilla, HTML Tidy, the compiler's
# runtime), and what those load in turn; the rest is Windows' own.
copy_imports() {
    local dll
    for dll in $(i686-w64-mingw32-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p'); do
        if [ -f "$qt/bin/$dll" ] && [ ! -f "$folder/$dll" ]; then
            cp "$qt/bin/$dll" "$folder/"
            copy_imports "$folder/$dll"
        fi
    done
}
for binary in "$folder"/quillet.exe "$folder"/*/*.dll; do
    copy_imports "$binary"
done
i686-w64-mingw32-strip --strip-unneeded "$folder"/lib*.dll
(cd "$build" && zip -qr quillet-2.0-win32.zip Quillet)

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
echo "Built $folder, $build/quillet-2.0-win32.zip and $build/quillet-2.0-setup.exe"

if [ "${1:-}" = test ]; then
    # Wine runs a 32-bit program through a 32-bit loader of its own, which a kernel without
    # IA-32 emulation refuses ("Exec format error"); there the program is built, not run.
    if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
        echo "This machine runs no 32-bit code (IA-32 emulation is off), so Wine cannot run"
        echo "the Windows suite and the setup program's tests here: the program, its tests and"
        echo "the setup program are built, not run."
        exit 0
    fi
    # A Wine prefix of its own, made once before the tests run side by side; no Mono or
    # Gecko installers, which would wait for a click.
    export WINEPREFIX=${WINEPREFIX:-$(pwd)/$build/wine}
    export WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG=-all
    wineboot --init >/dev/null 2>&1
    (cd "$build" && ctest --output-on-failure -j"$jobs")
    bash tests/windows/test-setup.sh "$build"
fi

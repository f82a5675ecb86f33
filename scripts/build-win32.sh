#!/usr/bin/env bash
# Cross-builds Quillet for 32-bit Windows against Qt 5.15 for Windows and lays out
# build-win32/Quillet, a folder that runs on Windows as it is, and its zip.
#   build-win32.sh [test]     test: also runs the test suite under Wine
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
mkdir -p "$folder"/platforms "$folder"/styles "$folder"/imageformats "$folder"/printsupport
cp "$build/quillet.exe" "$folder/"
i686-w64-mingw32-strip "$folder/quillet.exe"
for dll in Qt5Core Qt5Gui Qt5Widgets Qt5PrintSupport qscintilla2_qt5 \
    libstdc++-6 libgcc_s_dw2-1 libwinpthread-1; do
    cp "$qt/bin/$dll.dll" "$folder/"
done
i686-w64-mingw32-strip --strip-unneeded "$folder"/lib*.dll
cp "$qt/plugins/platforms/qwindows.dll" "$folder/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$folder/styles/"
cp "$qt/plugins/imageformats/"*.dll "$folder/imageformats/"
cp "$qt/plugins/printsupport/windowsprintersupport.dll" "$folder/printsupport/"
(cd "$build" && zip -qr quillet-2.0-win32.zip Quillet)
echo "Built $folder and $build/quillet-2.0-win32.zip"

if [ "${1:-}" = test ]; then
    # A Wine prefix of its own, made once before the tests run side by side; no Mono or
    # Gecko installers, which would wait for a click.
    export WINEPREFIX=${WINEPREFIX:-$(pwd)/$build/wine}
    export WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG=-all
    wineboot --init >/dev/null 2>&1
    (cd "$build" && ctest --output-on-failure -j"$jobs")
fi

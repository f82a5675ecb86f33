#!/usr/bin/env bash
# Builds what the Windows program links against, 32-bit or 64-bit, from Debian 12's own
# source packages, with Debian's mingw-w64 (i686-w64-mingw32 or x86_64-w64-mingw32, posix
# threads), shared and release: Qt 5.15.8's qtbase (Core, Gui, Widgets, PrintSupport, Test
# and the windows, offscreen and minimal platforms), QScintilla 2.13.3 and HTML Tidy 5.6.0,
# installed into PREFIX together with the compiler's runtime DLLs. About 20 minutes on 2
# cores; needs root and the network.
#   build-qt5-windows.sh 32|64 [PREFIX]     PREFIX is /opt/qt5-win32 or /opt/qt5-win64
# scripts/build-windows.sh runs it when there is neither a Qt in PREFIX nor the prepared
# archive of one.
set -euo pipefail
width=${1:-}
case $width in
32) arch=i686 package=i686 gcc_dll=libgcc_s_dw2-1.dll ;;
64) arch=x86_64 package=x86-64 gcc_dll=libgcc_s_seh-1.dll ;;
*) echo "usage: $0 32|64 [PREFIX]" >&2; exit 2 ;;
esac
host=$arch-w64-mingw32
prefix=${2:-/opt/qt5-win$width}
project=$(cd "$(dirname "$0")/.." && pwd)
jobs=${JOBS:-$(nproc)}
sources=$(mktemp -d)
trap 'rm -rf "$sources"' EXIT
export DEBIAN_FRONTEND=noninteractive

apt-get install -y -qq --no-install-recommends "g++-mingw-w64-$package" "mingw-w64-$package-dev" \
    dpkg-dev xz-utils cmake make perl python3 >/dev/null
# Qt's threads are built on the posix flavour of the cross compilers.
update-alternatives --set "$host-g++" "/usr/bin/$host-g++-posix"
update-alternatives --set "$host-gcc" "/usr/bin/$host-gcc-posix"
# The source packages come from the deb-src twin of the system's own sources.
sh "$project/scripts/install-deps.sh" sources
cd "$sources"
apt-get source --download-only qtbase-opensource-src qscintilla2 tidy-html5 >/dev/null 2>&1
tar xJf qtbase-opensource-src_*.orig.tar.xz
tar xzf qscintilla2_*.orig.tar.gz
tar xzf tidy-html5_*.orig.tar.gz

# Qt: only what Quillet uses. Debian's source leaves out the Wintab header, so there are
# no tablet events.
mkdir qtbuild
(cd qtbuild && ../qtbase-everywhere-src-*/configure -xplatform win32-g++ \
    -device-option CROSS_COMPILE=$host- -prefix "$prefix" \
    -opensource -confirm-license -release -shared -nomake examples -nomake tests \
    -no-opengl -no-dbus -no-icu -qt-zlib -qt-libpng -qt-libjpeg -qt-pcre -qt-freetype \
    -no-feature-tabletevent -no-feature-sql -no-feature-network -no-feature-concurrent \
    -no-feature-xml >configure.log \
    && make -j"$jobs" >make.log 2>&1 && make install >/dev/null)

# QScintilla with the qmake just installed.
(cd qscintilla2-*/src && "$prefix/bin/qmake" qscintilla.pro CONFIG+=release >/dev/null \
    && make -j"$jobs" >make.log 2>&1 && make install >/dev/null)

# HTML Tidy's library with the project's own toolchain file.
(cd tidy-html5-* \
    && cmake -S . -B build -DCMAKE_TOOLCHAIN_FILE="$project/cmake/mingw-w64.cmake" \
        -DQUILLET_WINDOWS_WIDTH="$width" -DQUILLET_WINDOWS_QT="$prefix" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DBUILD_SHARED_LIB=ON -DSUPPORT_CONSOLE_APP=OFF \
        >/dev/null \
    && cmake --build build -j"$jobs" >/dev/null && cmake --install build >/dev/null)

# The DLLs a deployed program needs lie beside Qt's, where build-windows.sh takes them from.
for dll in libstdc++-6.dll $gcc_dll; do
    cp "$("$host-g++" -print-file-name=$dll)" "$prefix/bin/"
done
cp "/usr/$host/lib/libwinpthread-1.dll" "$prefix/bin/"
cp "$prefix/lib/qscintilla2_qt5.dll" "$prefix/bin/"
echo "Installed Qt 5.15 for $width-bit Windows in $prefix"

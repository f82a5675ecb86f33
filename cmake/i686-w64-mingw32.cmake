# Cross-compiles for 32-bit Windows with Debian's mingw-w64, against the Qt 5.15 built for
# it in QUILLET_WIN32_QT (/opt/qt5-win32 unless told). The posix compilers, because Qt's
# threads are built on them. Tests run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)

if(NOT QUILLET_WIN32_QT)
    set(QUILLET_WIN32_QT /opt/qt5-win32)
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES QUILLET_WIN32_QT)
set(CMAKE_FIND_ROOT_PATH ${QUILLET_WIN32_QT} /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
# pkg-config answers for the Windows libraries beside Qt (HTML Tidy), never for Linux's.
set(ENV{PKG_CONFIG_LIBDIR} ${QUILLET_WIN32_QT}/lib/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")

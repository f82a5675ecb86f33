# Cross-compiles for Windows with Debian's mingw-w64, 32-bit or 64-bit as
# QUILLET_WINDOWS_WIDTH says (32 unless told), against the Qt 5.15 built for that width in
# QUILLET_WINDOWS_QT (/opt/qt5-win32 or /opt/qt5-win64 unless told). The posix compilers,
# because Qt's threads are built on them. Tests run under Wine.
if(NOT QUILLET_WINDOWS_WIDTH)
    set(QUILLET_WINDOWS_WIDTH 32)
endif()
if(QUILLET_WINDOWS_WIDTH STREQUAL 64)
    set(CMAKE_SYSTEM_PROCESSOR x86_64)
elseif(QUILLET_WINDOWS_WIDTH STREQUAL 32)
    set(CMAKE_SYSTEM_PROCESSOR i686)
else()
    message(FATAL_ERROR "QUILLET_WINDOWS_WIDTH is 32 or 64, not ${QUILLET_WINDOWS_WIDTH}")
endif()
if(NOT QUILLET_WINDOWS_QT)
    set(QUILLET_WINDOWS_QT /opt/qt5-win${QUILLET_WINDOWS_WIDTH})
endif()
set(host ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${host}-gcc-posix)
set(CMAKE_CXX_COMPILER ${host}-g++-posix)
set(CMAKE_RC_COMPILER ${host}-windres)

list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES QUILLET_WINDOWS_WIDTH QUILLET_WINDOWS_QT)
set(CMAKE_FIND_ROOT_PATH ${QUILLET_WINDOWS_QT} /usr/${host})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
# pkg-config answers for the Windows libraries beside Qt (HTML Tidy), never for Linux's.
set(ENV{PKG_CONFIG_LIBDIR} ${QUILLET_WINDOWS_QT}/lib/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")

# Gives quillet.exe its icon, version information and manifest, compiled by the cross
# toolchain's windres, and writes the same product facts for the setup program's script.
set(QUILLET_COMPANY "Quillet Works")
set(QUILLET_COPYRIGHT "Copyright (C) 2026 Quillet Works")
# Windows versions have four numbers: 2.0 is 2.0.0.0.
set(QUILLET_VERSION_COMMAS "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},0,0")
set(QUILLET_VERSION_DOTS "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.0.0")

# The logo in the sizes Windows asks for: 16 and 32 (menus, title bars, lists), 48 (icon
# view) and 256 (large icons, stored as PNG), drawn from the SVG where no PNG of the size
# exists.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(ICOTOOL icotool REQUIRED)
set(windows_dir ${CMAKE_BINARY_DIR}/windows)
set(QUILLET_ICON ${windows_dir}/quillet.ico)
set(logo_svg ${PROJECT_SOURCE_DIR}/resources/src/logo.svg)
set(logo48 ${PROJECT_SOURCE_DIR}/resources/logo48.png)
add_custom_command(OUTPUT ${QUILLET_ICON}
    COMMAND ${RSVG_CONVERT} -w 16 -h 16 -o logo16.png ${logo_svg}
    COMMAND ${RSVG_CONVERT} -w 32 -h 32 -o logo32.png ${logo_svg}
    COMMAND ${RSVG_CONVERT} -w 256 -h 256 -o logo256.png ${logo_svg}
    COMMAND ${ICOTOOL} -c -o ${QUILLET_ICON} logo16.png logo32.png ${logo48} -r logo256.png
    DEPENDS ${logo_svg} ${logo48}
    WORKING_DIRECTORY ${windows_dir}
    COMMENT "Making the Windows icon from the logo"
    VERBATIM)
file(MAKE_DIRECTORY ${windows_dir})

# The manifest names the processor the program is built for; Windows refuses to start a
# program whose manifest names another.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(QUILLET_WINDOWS_WIDTH 64)
    set(QUILLET_MANIFEST_ARCH amd64)
else()
    set(QUILLET_WINDOWS_WIDTH 32)
    set(QUILLET_MANIFEST_ARCH x86)
endif()
set(QUILLET_MANIFEST ${windows_dir}/quillet.manifest)
configure_file(packaging/windows/quillet.manifest.in ${QUILLET_MANIFEST} @ONLY)
configure_file(packaging/windows/quillet.rc.in ${windows_dir}/quillet.rc @ONLY)
set_source_files_properties(${windows_dir}/quillet.rc PROPERTIES
    OBJECT_DEPENDS "${QUILLET_ICON};${QUILLET_MANIFEST}")
target_sources(quillet PRIVATE ${windows_dir}/quillet.rc ${QUILLET_ICON})

# What the setup program's script needs to know of the product.
file(CONFIGURE OUTPUT ${windows_dir}/product.nsh CONTENT [[
!define VERSION "@PROJECT_VERSION@"
!define VERSION_DOTS "@QUILLET_VERSION_DOTS@"
!define COMPANY "@QUILLET_COMPANY@"
!define COPYRIGHT "@QUILLET_COPYRIGHT@"
!define ICON "@QUILLET_ICON@"
!define WIDTH @QUILLET_WINDOWS_WIDTH@
]] @ONLY)

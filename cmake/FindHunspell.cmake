# Finds Hunspell's library and provides the imported target Hunspell::Hunspell. Debian keeps
# the headers in a hunspell/ folder and names the library after its version; a cross-built
# Hunspell is found the same way under CMAKE_FIND_ROOT_PATH.
find_path(Hunspell_INCLUDE_DIR NAMES hunspell.hxx PATH_SUFFIXES hunspell)
find_library(Hunspell_LIBRARY NAMES hunspell-1.7 hunspell libhunspell-1.7 libhunspell)

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(Hunspell REQUIRED_VARS Hunspell_LIBRARY Hunspell_INCLUDE_DIR)

if(Hunspell_FOUND AND NOT TARGET Hunspell::Hunspell)
    add_library(Hunspell::Hunspell UNKNOWN IMPORTED)
    set_target_properties(Hunspell::Hunspell PROPERTIES
        IMPORTED_LOCATION "${Hunspell_LIBRARY}"
        INTERFACE_INCLUDE_DIRECTORIES "${Hunspell_INCLUDE_DIR}")
endif()
mark_as_advanced(Hunspell_INCLUDE_DIR Hunspell_LIBRARY)

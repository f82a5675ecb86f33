# Finds HTML Tidy's library and provides the imported target Tidy::Tidy. Debian keeps the
# headers in a tidy/ folder, a cross-built Tidy straight in include/; find_path and
# find_library follow CMAKE_FIND_ROOT_PATH, so the same lines serve a cross build.
find_path(Tidy_INCLUDE_DIR NAMES tidy.h PATH_SUFFIXES tidy)
find_library(Tidy_LIBRARY NAMES tidy libtidy)

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(Tidy REQUIRED_VARS Tidy_LIBRARY Tidy_INCLUDE_DIR)

if(Tidy_FOUND AND NOT TARGET Tidy::Tidy)
    add_library(Tidy::Tidy UNKNOWN IMPORTED)
    set_target_properties(Tidy::Tidy PROPERTIES
        IMPORTED_LOCATION "${Tidy_LIBRARY}"
        INTERFACE_INCLUDE_DIRECTORIES "${Tidy_INCLUDE_DIR}")
endif()
mark_as_advanced(Tidy_INCLUDE_DIR Tidy_LIBRARY)

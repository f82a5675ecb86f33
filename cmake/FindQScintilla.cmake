# Finds QScintilla built for the Qt in use (QT_VERSION_MAJOR 5 or 6) and provides the
# imported target QScintilla::QScintilla.
get_target_property(_qt_core_includes Qt::Core INTERFACE_INCLUDE_DIRECTORIES)

find_path(QScintilla_INCLUDE_DIR
    NAMES Qsci/qsciscintilla.h
    HINTS ${_qt_core_includes}
    PATH_SUFFIXES qt${QT_VERSION_MAJOR})
find_library(QScintilla_LIBRARY NAMES qscintilla2_qt${QT_VERSION_MAJOR})

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(QScintilla
    REQUIRED_VARS QScintilla_LIBRARY QScintilla_INCLUDE_DIR)

if(QScintilla_FOUND AND NOT TARGET QScintilla::QScintilla)
    add_library(QScintilla::QScintilla UNKNOWN IMPORTED)
    set_target_properties(QScintilla::QScintilla PROPERTIES
        IMPORTED_LOCATION "${QScintilla_LIBRARY}"
        INTERFACE_INCLUDE_DIRECTORIES "${QScintilla_INCLUDE_DIR}"
        INTERFACE_COMPILE_DEFINITIONS QSCINTILLA_DLL
        INTERFACE_LINK_LIBRARIES "Qt::Widgets;Qt::PrintSupport")
endif()
mark_as_advanced(QScintilla_INCLUDE_DIR QScintilla_LIBRARY)

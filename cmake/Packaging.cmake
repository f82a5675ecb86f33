# Installs Quillet as a desktop program (the program, its desktop entry, the type of
# .shtml pages and the icon) and packs the same files as a Debian package.
include(GNUInstallDirs)

install(TARGETS quillet RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES packaging/quillet.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/quillet-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME quillet.xml)
set(QUILLET_ICONS ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES resources/src/logo.svg DESTINATION ${QUILLET_ICONS}/scalable/apps
        RENAME quillet.svg)
install(FILES resources/logo48.png DESTINATION ${QUILLET_ICONS}/48x48/apps RENAME quillet.png)
install(FILES resources/logo.png DESTINATION ${QUILLET_ICONS}/128x128/apps RENAME quillet.png)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillet)
set(CPACK_PACKAGE_VENDOR "Quillet Works")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "HTML source editor")
set(CPACK_PACKAGE_DESCRIPTION [[
Quillet is an editor for the HTML source of web pages. Menus, toolbar and
tab-strip buttons and small attribute dialogs put tags, character entities
and server-side-include directives at the caret. Files are kept byte for
byte.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(QUILLET_MAINTAINER "Quillet Works <packages@quillet.invalid>"
    CACHE STRING "Maintainer field of the Debian package")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QUILLET_MAINTAINER}")
# What the program links (as dpkg-shlibdeps finds it, with Qt at the version built
# against): Qt's widgets, GUI (with its X11 platform plugin), core and print support,
# HTML Tidy, PCRE2, Hunspell, and the C and C++ runtime (QScintilla is built in); a
# dictionary for spelling is recommended, English (US) or any other.
if(QT_VERSION_MAJOR EQUAL 5)
    set(QUILLET_QT_DEPENDS "libqt5core5a (>= 5.15.1), libqt5gui5 (>= 5.15.1), \
libqt5widgets5 (>= 5.15.1), libqt5printsupport5 (>= 5.15.1)")
else()
    set(QUILLET_QT_DEPENDS "libqt6core6 (>= 6.4.0), libqt6gui6 (>= 6.4.0), \
libqt6widgets6 (>= 6.4.0), libqt6printsupport6 (>= 6.4.0)")
endif()
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${QUILLET_QT_DEPENDS}, libtidy5deb1 (>= 2:5.6.0), \
libpcre2-8-0 (>= 10.42), libhunspell-1.7-0 (>= 1.7.0), libc6 (>= 2.34), libstdc++6 (>= 11),\
libgcc-s1 (>= 3.0)")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hunspell-en-us | hunspell-dictionary")
include(CPack)

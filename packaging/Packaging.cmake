# What `cmake --install` puts in place, and the Debian package CPack makes of it:
#   bin/baricor
#   share/baricor/Immagini/*.jpg          the pictures a click on a field shows,
#                                         and their @2x companions for dense screens
#   share/applications/baricor.desktop    starts the program in share/baricor
#   share/icons/hicolor/NxN/apps/baricor.png
#   share/mime/packages/baricor.xml       the type of the .baricor work files
#
#   cmake --install <build> [--prefix DIR]
#   cd <build> && cpack                   -> baricor_<version>_<arch>.deb

include(GNUInstallDirs)

set(BARICOR_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})

install(TARGETS baricor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(DIRECTORY ${PROJECT_SOURCE_DIR}/pictures/Immagini
  DESTINATION ${CMAKE_INSTALL_DATADIR}/baricor
  FILES_MATCHING PATTERN "*.jpg")

foreach(size 16 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/pictures/icons/wrench-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME baricor.png)
endforeach()

# The work files' type (application/x-baricor, *.baricor), which the desktop
# entry lists, so that a file manager opens a work file with the program.
install(FILES ${BARICOR_PACKAGING_DIR}/baricor-mime.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
  RENAME baricor.xml)

# The desktop entry is written when it is installed (see InstallDesktopEntry.cmake).
install(CODE "
  set(baricor_desktop_template \"${BARICOR_PACKAGING_DIR}/baricor.desktop.in\")
  set(baricor_datadir \"${CMAKE_INSTALL_DATADIR}\")
  set(baricor_staging_dir \"${CMAKE_CURRENT_BINARY_DIR}/packaging\")
")
install(SCRIPT ${BARICOR_PACKAGING_DIR}/InstallDesktopEntry.cmake)

# The Debian package. Its dependencies are declared here rather than found by
# dpkg-shlibdeps, so that building it needs nothing beyond the build tools; the
# package check compares them with what dpkg-shlibdeps finds, where it is there.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME baricor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Baricor")
set(CPACK_PACKAGE_CONTACT "Baricor <baricor@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "geometric properties of beam cross-sections")
set(CPACK_PACKAGE_DESCRIPTION [[
A small desktop calculator for the area, static moments, second moments and
product of inertia of eight beam cross-sections (rectangle, circle, tube,
ring, L, T, double T, C) about translated and rotated axes.
The interface is in Italian.]])
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(baricor_qt_floor "${Qt6_VERSION_MAJOR}.${Qt6_VERSION_MINOR}.0")
# qt6-translations-l10n: the toolkit's own texts (a field's context menu) in Italian.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libc6 (>= 2.34), libgcc-s1 (>= 3.0), libstdc++6 (>= 11), libqt6core6 (>= ${baricor_qt_floor}), libqt6gui6 (>= ${baricor_qt_floor}), libqt6widgets6 (>= ${baricor_qt_floor}), qt6-qpa-plugins, qt6-translations-l10n")
# The windows are laid out to the metrics of Liberation Sans (Arial's).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2")
include(CPack)

if(BARICOR_BUILD_TESTS AND BUILD_TESTING)
  # Builds the package from this build and checks what is in it.
  add_test(NAME package-contents
    COMMAND ${PROJECT_SOURCE_DIR}/tests/packaging/check-deb.sh ${CMAKE_BINARY_DIR}
            ${CMAKE_CURRENT_BINARY_DIR}/packaging/check ${CMAKE_CPACK_COMMAND})
  set_tests_properties(package-contents PROPERTIES LABELS packaging TIMEOUT 300)
endif()

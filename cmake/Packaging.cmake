# A Debian package of exactly what `cmake --install` installs.

# Debian's documentation of every package: the licence as a machine-readable
# copyright file, and the changelog compressed without a name or time.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
# The licence's terms after its heading and copyright line, as the field's
# continuation lines: each indented by one space, an empty one written " .".
string(REGEX REPLACE "^.*Copyright[^\n]*\n" "" licence "${licence}")
string(STRIP "${licence}" licence)
string(REPLACE "\n\n" "\n.\n" licence "${licence}")
string(REPLACE "\n" "\n " VERMILO_LICENSE_TEXT " ${licence}")
configure_file(cmake/debian/copyright.in debian/copyright @ONLY)
configure_file(cmake/debian/changelog debian/changelog COPYONLY)
add_custom_command(OUTPUT debian/changelog.gz
                   COMMAND gzip -9nkf debian/changelog
                   DEPENDS ${PROJECT_BINARY_DIR}/debian/changelog)
add_custom_target(debian_changelog ALL DEPENDS debian/changelog.gz)
install(FILES ${PROJECT_BINARY_DIR}/debian/copyright ${PROJECT_BINARY_DIR}/debian/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vermilo)

include(cmake/ReleasePackages.cmake)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vermilo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Vermilo developers")
set(CPACK_PACKAGE_CONTACT "The Vermilo developers <team@vermilo.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "worm arcade game")
set(CPACK_PACKAGE_DESCRIPTION
    "Steer a hungry worm around the field with the cursor keys. Every meal makes it\n"
    "three cells longer; running into a wall or into itself ends the game.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://vermilo.example/)
# The shared libraries come from dpkg-shlibdeps; Qt's platform plugins are
# loaded at run time, so the X11 one is named here and Wayland's recommended,
# as is the sound server's client library, which the game loads once its
# window is on screen (without it the game plays silently).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ocr-a, qt6-wayland, libpulse0")
include(CPack)

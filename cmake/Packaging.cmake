# A Debian package of exactly what `cmake --install` installs.
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

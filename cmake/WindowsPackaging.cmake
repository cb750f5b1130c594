# The Windows program as players get it: an installer (NSIS) with a Start-menu
# shortcut, the licence and an uninstaller, and a zip of the same files.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME Vermilo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Vermilo developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Vermilo, a worm arcade game")
set(CPACK_PACKAGE_FILE_NAME vermilo-${PROJECT_VERSION}-windows-x64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Vermilo)
# The Start-menu shortcut leads to the program where it is installed, in the
# installation folder itself.
set(CPACK_NSIS_MENU_LINKS vermilo.exe Vermilo)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

# A 64-bit installer for a 64-bit program, into the 64-bit Program Files. The
# installer keeps no file times, which would make every build of it differ:
# the files it installs get the time they are installed.
set(CPACK_NSIS_DEFINES "Target amd64-unicode\nSetDateSave off")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_PACKAGE_NAME Vermilo)
set(CPACK_NSIS_DISPLAY_NAME Vermilo)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/assets/icon/vermilo.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/assets/icon/vermilo.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME vermilo.exe)
set(CPACK_NSIS_URL_INFO_ABOUT https://vermilo.example/)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
include(cmake/ReleasePackages.cmake)
include(CPack)

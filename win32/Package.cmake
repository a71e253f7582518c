# The Windows program's installer and portable zip, made by `cpack` in the Windows build:
# tarvelo-<version>-win64-setup.exe (NSIS: Program Files, a Start-menu entry, an uninstaller that
# leaves the player's settings and records in the registry) and tarvelo-<version>-win64.zip.
install(TARGETS tarvelo RUNTIME DESTINATION .)
install(DIRECTORY ${CMAKE_BINARY_DIR}/sounds DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME Tarvelo)
set(CPACK_PACKAGE_VENDOR Tarvelo)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Falling pairs colour-matching game")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Tarvelo)
set(CPACK_PACKAGE_EXECUTABLES tarvelo Tarvelo)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_DISPLAY_NAME Tarvelo)
set(CPACK_NSIS_PACKAGE_NAME Tarvelo)
set(CPACK_NSIS_MUI_ICON ${CMAKE_BINARY_DIR}/icons/tarvelo.ico)
set(CPACK_NSIS_MUI_UNIICON ${CMAKE_BINARY_DIR}/icons/tarvelo.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME tarvelo.exe)
set(CPACK_NSIS_URL_INFO_ABOUT https://tarvelo.example.org)
set(CPACK_NSIS_CONTACT tarvelo@example.org)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# A 64-bit, Unicode installer: NSIS makes a 32-bit one unless told, and the program is 64-bit.
set(CPACK_NSIS_DEFINES "  Target amd64-unicode")
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
set(CPACK_ZIP_COMPONENT_INSTALL OFF)
# One name for each: the installer says what it is.
set(TARVELO_PACKAGE_BASE tarvelo-${PROJECT_VERSION}-win64)
configure_file(${CMAKE_CURRENT_LIST_DIR}/PackageNames.cmake.in
               ${CMAKE_BINARY_DIR}/PackageNames.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/PackageNames.cmake)
include(CPack)

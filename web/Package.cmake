# cpack makes tarvelo-<version>-web.zip: a folder of static files, the page with its script,
# program, style, sounds, icons, app manifest and service worker, to put on any web host.
install(FILES ${CMAKE_BINARY_DIR}/index.html ${CMAKE_BINARY_DIR}/tarvelo.css
              ${CMAKE_BINARY_DIR}/tarvelo.js ${CMAKE_BINARY_DIR}/tarvelo.wasm
              ${CMAKE_BINARY_DIR}/manifest.webmanifest ${CMAKE_BINARY_DIR}/sw.js
              ${CMAKE_SOURCE_DIR}/LICENSE
        DESTINATION .)
install(DIRECTORY ${CMAKE_BINARY_DIR}/sounds DESTINATION .)
install(DIRECTORY ${CMAKE_BINARY_DIR}/icons DESTINATION . FILES_MATCHING PATTERN "*.png")

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME tarvelo)
set(CPACK_PACKAGE_FILE_NAME tarvelo-${PROJECT_VERSION}-web)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)

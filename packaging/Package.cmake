# The Debian package, made by `cd build && cpack`.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvelo)
set(CPACK_PACKAGE_VENDOR Tarvelo)
set(CPACK_PACKAGE_CONTACT "Tarvelo <tarvelo@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://tarvelo.example.org)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# Beyond the linked libraries: the X11 platform plugin and a font with Cyrillic glyphs; Qt's
# Russian texts and the Wayland platform plugin are welcome.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-wayland")
# CPack indents the lines after the summary itself and marks the empty one.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "falling pairs colour-matching game
Pairs of coloured balls fall into a well six columns wide and fifteen rows
deep. Move them, turn them and drop them: four or more touching balls of one
colour vanish and score the square of the group's size. Every hundred groups
the level rises and the balls fall faster; the ten best results are kept.

The game's interface is in Russian.")
include(CPack)

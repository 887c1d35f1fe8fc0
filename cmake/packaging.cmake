# The Debian package: `cpack --preset package` (or `cpack -G DEB` in a build
# directory) after a build gives klandor_<version>_<arch>.deb, holding what
# `cmake --install` installs, under /usr.
set(CPACK_PACKAGE_NAME klandor)
set(CPACK_PACKAGE_VENDOR "The Klandor developers")
set(CPACK_PACKAGE_CONTACT "The Klandor developers <developers@klandor.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://klandor.org/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "mines puzzle for the desktop")
# Package managers show the description line by line as written here.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Klandor is a single-player puzzle on a grid of covered cells, some of"
  "which hide mines. Each uncovered cell tells how many of its neighbours"
  "hold a mine: flag the mines and uncover every other cell to win."
  ""
  "Three fixed levels and a custom one, the best time of each fixed level"
  "kept with the player's name, and coloured or monochrome pictures.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Everything a plain install installs (the unnamed component), except that
# the program comes from the packaged_program component, in games/.
set(CPACK_INSTALL_CMAKE_PROJECTS
  ${PROJECT_BINARY_DIR} ${PROJECT_NAME} Unspecified /
  ${PROJECT_BINARY_DIR} ${PROJECT_NAME} packaged_program /)
set(CPACK_STRIP_FILES ON)

set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The library dependencies are read from the executable by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The game's own translations are built in; Qt's give its standard buttons
# the same language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)

include(CPack)

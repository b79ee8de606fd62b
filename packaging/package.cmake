# `make package`: a Debian package of the installed layout (see cmake/install.cmake), built by
# CPack as build/vorlin_<version>-<revision>_<arch>.deb. The libraries it needs are found by dpkg-shlibdeps
# from the program itself; only what it loads at run time without linking it is named here.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vorlin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# The Debian revision of this upstream version: the package's version is 4.01-1. A new package of
# the same version raises it, with an entry of its own at the top of the changelog.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_PACKAGE_VENDOR "Vorlin Developers")
set(CPACK_PACKAGE_CONTACT "Vorlin Developers <vorlin@example.org>")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
# Folders made while installing are readable by all, whatever the packager's umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arcade game: catch the falling crystals with a curly tail")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "A yellow creature with a long curly tail walks on a ground strip and three
platforms, rides two propeller lifts and catches the small crystals that fall
from the top. Every tenth lost crystal brings a banana that refills its
energy, and every five bananas open the next of six scenes. At the end of a
game the result enters a ranked table of 1000 records, kept for each player
in their own data folder.

The game speaks Italian and is played with the arrow keys, P and Esc, or with
a game controller.")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://vorlin.example.org/")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Liberation Sans stands in for the fonts the window's texts were laid out with.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
# Qt's Wayland plugin lets the game run natively on a Wayland desktop; an X11 desktop does without.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

include(CPack)

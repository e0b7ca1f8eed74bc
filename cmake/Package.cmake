# `make package`: a Debian package of the install tree (cmake/Install.cmake), built by CPack.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME plovari)
set(CPACK_PACKAGE_VENDOR "The Plovari developers")
set(CPACK_PACKAGE_CONTACT "${CPACK_PACKAGE_VENDOR} <${PLOVARI_CONTACT}>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://${PLOVARI_WEBSITE}/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "dice race for two to six players")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Plovari is a dice race for two to six players who share one window. Every"
    "player has a lane with a marker that races toward a finish line, and picks"
    "one of four modes that decide how each turn's dice score.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# Depends: worked out by dpkg-shlibdeps (from dpkg-dev) from the libraries the programs link.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt runs natively on Wayland only with its Wayland plugin; without it, through XWayland. Qt's
# own texts (a text box's menu, the help viewer's) come in the player's language with its
# translations; without them those few texts stay English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)

# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# CPack settings for the Debian package (cpack -G DEB in the build folder).
# The package's dependencies come from dpkg-shlibdeps, so they follow whatever
# Qt libraries the program really links.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zorvel)
set(CPACK_PACKAGE_VENDOR "Zorvel")
set(CPACK_PACKAGE_CONTACT "Zorvel developers <sviluppo@zorvel.invalid>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "body mass index calculator for Italian-speaking users")
# Two paragraphs, line by line, each line within the 80 columns Debian's tools show.
set(CPACK_PACKAGE_DESCRIPTION [[
Zorvel evaluates a person's body mass index from weight and height. Its one
small window shows the index, the lowest and highest weight of the normal band
for that height, and which of nine weight classes the index falls into, with a
colour bar, a marker and a picture of the class.

The program is in Italian and reads and shows numbers with a decimal comma. It
stays above other windows, saves nothing and uses no network.]])
set(CPACK_PACKAGE_HOMEPAGE_URL ${PROJECT_HOMEPAGE_URL})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The fallback face of the window, where the classic one is missing, and Qt's Wayland
# plugin, which no library dependency brings and without which the program cannot
# open on a Wayland desktop that has no XWayland.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n, qt6-wayland")

include(CPack)

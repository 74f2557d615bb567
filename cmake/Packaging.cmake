# SPDX-FileCopyrightText: 2026 Ovatron Project
# SPDX-License-Identifier: GPL-3.0-or-later

# Desktop integration (desktop entry, AppStream metainfo, icons, copyright) and the Debian
# package built by `cpack -G DEB`. Included from the top-level CMakeLists.txt after
# add_subdirectory(resources) and before the tests, which read the variables set here.
include_guard(GLOBAL)

# One id for the desktop entry, the icon and the AppStream component: the maker's domain,
# reversed, and the program's name.
set(OVATRON_APP_ID "org.example.ovatron.Ovatron")
set(OVATRON_MAINTAINER "Ovatron Project <packaging@ovatron.example.org>")
set(OVATRON_HOMEPAGE "https://ovatron.example.org/")
# The day this version was released; change it together with project(VERSION).
set(OVATRON_RELEASE_DATE "2026-12-08" CACHE STRING "Release date of this version (YYYY-MM-DD)")

set(ovatron_resources "${PROJECT_SOURCE_DIR}/resources")
set(OVATRON_DESKTOP_FILE "${ovatron_resources}/${OVATRON_APP_ID}.desktop")
set(OVATRON_METAINFO_FILE "${PROJECT_BINARY_DIR}/resources/${OVATRON_APP_ID}.metainfo.xml")
configure_file("${ovatron_resources}/${OVATRON_APP_ID}.metainfo.xml.in" "${OVATRON_METAINFO_FILE}" @ONLY)

install(FILES "${OVATRON_DESKTOP_FILE}" DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${OVATRON_METAINFO_FILE}" DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")

# Every rendered size in resources/icon goes to its hicolor folder under the application id.
file(GLOB ovatron_icon_files CONFIGURE_DEPENDS "${ovatron_resources}/icon/ovatron-*.png")
foreach(icon IN LISTS ovatron_icon_files)
  get_filename_component(icon_name "${icon}" NAME_WE)
  string(REGEX REPLACE "^ovatron-" "" icon_size "${icon_name}")
  if(NOT icon_size MATCHES "^[0-9]+$")
    message(FATAL_ERROR "Icon ${icon} is not named ovatron-<pixels>.png")
  endif()
  install(FILES "${icon}"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${icon_size}x${icon_size}/apps"
    RENAME "${OVATRON_APP_ID}.png")
endforeach()
install(FILES "${ovatron_resources}/icon/ovatron.svg"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps"
  RENAME "${OVATRON_APP_ID}.svg")

# Debian wants a machine-readable copyright file beside the package's documentation; the full
# licence text is already on every Debian system.
set(ovatron_copyright "${PROJECT_BINARY_DIR}/packaging/copyright")
file(WRITE "${ovatron_copyright}"
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: Ovatron
Upstream-Contact: ${OVATRON_MAINTAINER}
Source: ${OVATRON_HOMEPAGE}

Files: *
Copyright: 2026 Ovatron Project
License: GPL-3.0+

License: GPL-3.0+
 This program is free software: you can redistribute it and/or modify
 it under the terms of the GNU General Public License as published by
 the Free Software Foundation, either version 3 of the License, or
 (at your option) any later version.
 .
 This program is distributed in the hope that it will be useful,
 but WITHOUT ANY WARRANTY; without even the implied warranty of
 MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE.  See the
 GNU General Public License for more details.
 .
 On Debian systems, the complete text of the GNU General Public License
 version 3 can be found in \"/usr/share/common-licenses/GPL-3\".
")
install(FILES "${ovatron_copyright}" DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/ovatron")

# The Debian package. Its files land under /usr whatever CMAKE_INSTALL_PREFIX says, so the
# program's compiled-in data folder only matches when the tree was configured with /usr.
if(NOT CMAKE_INSTALL_PREFIX STREQUAL "/usr")
  message(STATUS "Packaging: CMAKE_INSTALL_PREFIX is ${CMAKE_INSTALL_PREFIX}; "
                 "configure with -DCMAKE_INSTALL_PREFIX=/usr before running cpack")
endif()
# Values reach CPack as written, without a second round of escaping.
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "ovatron")
set(CPACK_PACKAGE_VENDOR "Ovatron Project")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "${OVATRON_MAINTAINER}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${OVATRON_HOMEPAGE}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "applause meter for talent shows, quizzes and contests")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY "${PROJECT_BINARY_DIR}/packages")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # ovatron_<version>_<architecture>.deb
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${OVATRON_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION "sound")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${OVATRON_HOMEPAGE}")
# CPack puts the summary above this and indents it as the control file wants.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Ovatron measures the audience's applause for each contestant: while the
audience applauds, the operator holds the space bar and a large meter
climbs. The peak becomes the contestant's score, and a league table,
best first, is kept up to date on screen.")
# The libraries the program links come from dpkg-shlibdeps; what Qt loads at run time
# (platform, Wayland, SQL, SVG and multimedia plugins, translations), the QR encoder that the
# program loads when it first draws a code, and the meter's font it cannot see.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "fonts-comic-neue, libqrencode4, libqt6sql6-sqlite, libqt6svg6, qt6-qpa-plugins, qt6-wayland, libqt6multimedia6, qt6-translations-l10n")
# Qt 6.4's default media backend is GStreamer, which needs these to open sound devices and files.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good")

set(CPACK_SOURCE_GENERATOR "TXZ")
set(CPACK_SOURCE_IGNORE_FILES "/\\.git/" "/build/" "/build-[^/]*/")
include(CPack)

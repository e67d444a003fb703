# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, built by CPack from the install rules (bash tools/package.sh): its
# dependencies are computed with dpkg-shlibdeps (the optional modules' libraries, Qt SQL and Qt
# Charts, among them), plus the font package the dialogs need and the plugins loaded by name.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavro-memory)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tavro Memory authors")
set(CPACK_PACKAGE_CONTACT "Tavro Memory authors <authors@tavro-memory.example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://tavro-memory.example.org/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "memory card game: find the pairs among 36 cards")
# The extended description, one line each, as Debian wants it wrapped.
string(JOIN "\n" CPACK_DEBIAN_PACKAGE_DESCRIPTION
       "Tavro Memory is a memory (concentration) card game for one player."
       "Thirty-six cards lie face down in a 6 x 6 grid: eighteen pictures, each"
       "on exactly two cards. Turn two cards over at a time and find the pairs."
       "A matching pair scores points, a mismatch costs a few, and a hint costs"
       "more. The ten best scores are kept with their players' names."
       "Two card sets, animals and shapes, are included, and a card maker"
       "turns eighteen pictures of your own into a card set.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The image plugins let the card-set maker read WebP and TIFF pictures as well. Qt's SQLite
# driver is a plugin that the record of games loads by name, so no library link shows it. The
# sounds module is a plugin the game loads itself: its Qt Multimedia is named here as well as
# found by dpkg-shlibdeps. On Debian 12 QSoundEffect plays through Qt Multimedia's own PulseAudio
# output (libpulse0 comes with it), which needs no media plugin of another package.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "${TAVRO_FONT_PACKAGE}, qt6-image-formats-plugins, libqt6sql6-sqlite, libqt6multimedia6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

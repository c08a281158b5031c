# An installation in GNUInstallDirs' layout: the program in bin/, the files that ship with it in share/ambrelis/
# (each folder installs its own there: the pristine database in tools/mkmdb, the legal documents in
# pages/viewers), and the menu entry, icon and software-centre data under their desktop-wide names. Then the
# Debian package that holds it.
include(GNUInstallDirs)
set(AMBRELIS_APP_ID "example.varnholt_publishing.Ambrelis")

# The maker's name, product page and mailbox come from the maker's values, like everywhere else in the program.
file(READ "${CMAKE_SOURCE_DIR}/config/maker.json" _maker)
string(JSON AMBRELIS_MAKER_NAME GET "${_maker}" makerName)
string(JSON AMBRELIS_PRODUCT_PAGE GET "${_maker}" productPageUrl)
string(JSON _support_mailbox GET "${_maker}" supportMailbox)
set_property(DIRECTORY "${CMAKE_SOURCE_DIR}" APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             "${CMAKE_SOURCE_DIR}/config/maker.json")

# One main category (the menu the entry appears in), then the additional ones; the menu entry and the
# software-centre data both list them.
set(_categories Science MedicalSoftware)
list(JOIN _categories ";" AMBRELIS_DESKTOP_CATEGORIES)
list(TRANSFORM _categories REPLACE "(.+)" "    <category>\\1</category>" OUTPUT_VARIABLE _category_elements)
list(JOIN _category_elements "\n" AMBRELIS_METAINFO_CATEGORIES)

set(AMBRELIS_DESKTOP_ENTRY_DIR "${CMAKE_BINARY_DIR}/desktop-entry" CACHE INTERNAL "")
set(AMBRELIS_DESKTOP_FILE "${AMBRELIS_DESKTOP_ENTRY_DIR}/${AMBRELIS_APP_ID}.desktop" CACHE INTERNAL "")
set(AMBRELIS_METAINFO_FILE "${AMBRELIS_DESKTOP_ENTRY_DIR}/${AMBRELIS_APP_ID}.metainfo.xml" CACHE INTERNAL "")
configure_file("${CMAKE_CURRENT_LIST_DIR}/ambrelis.desktop.in" "${AMBRELIS_DESKTOP_FILE}" @ONLY)
configure_file("${CMAKE_CURRENT_LIST_DIR}/ambrelis.metainfo.xml.in" "${AMBRELIS_METAINFO_FILE}" @ONLY)

install(TARGETS Ambrelis RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
install(FILES "${AMBRELIS_DESKTOP_FILE}" DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${AMBRELIS_METAINFO_FILE}" DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
install(FILES "${CMAKE_SOURCE_DIR}/content/pictures/app-icon.svg"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps" RENAME "${AMBRELIS_APP_ID}.svg")

# The Debian package: `cpack -G DEB` in the build folder. Its dependencies are the libraries the program is
# linked with (found by dpkg-shlibdeps) and the fonts whose metrics the windows' layout was made for.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ambrelis)
set(CPACK_PACKAGE_VENDOR "${AMBRELIS_MAKER_NAME}")
set(CPACK_PACKAGE_CONTACT "${AMBRELIS_MAKER_NAME} <${_support_mailbox}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Reference on essential oils with an editable index of ailments")
set(CPACK_PACKAGE_DESCRIPTION
    "Oil profiles, base oils, safety rules, the therapeutic actions, the 38 Bach flower remedies and an index of \
251 ailments that each user can edit; entries can be re-fonted, printed or saved as rich text.")
set(CPACK_PACKAGE_HOMEPAGE_URL "${AMBRELIS_PRODUCT_PAGE}")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)

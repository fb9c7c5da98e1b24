# The Debian package: `cpack` in a release build turns everything the build installs into
# sheetwise_<version>_<arch>.deb. ./dev.sh package builds it and runs the validators on it.

# The project has no public site yet; a release build sets the real address. Software centres
# fetch the screenshot (docs/screenshot.png) from there, so it must be an http(s) address.
set(SHEETWISE_WEB_URL "https://sheetwise.korvane.example" CACHE STRING
    "Homepage of the project; its screenshot.png is docs/screenshot.png")

set(PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)
configure_file(${PACKAGING_DIR}/com.korvane.sheetwise.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/com.korvane.sheetwise.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/com.korvane.sheetwise.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The catalogs' file type, which the desktop entry opens. Debian's shared-mime-info rebuilds its
# database by trigger when a package brings a file here.
install(FILES ${PACKAGING_DIR}/sheetwise-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME sheetwise.xml)

# The changelog records each release, so a new version number without its entry stops here.
file(STRINGS ${PACKAGING_DIR}/changelog CHANGELOG_TOP LIMIT_COUNT 1)
if(NOT CHANGELOG_TOP MATCHES "^sheetwise \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog: the first entry must be for ${PROJECT_VERSION}")
endif()
set(SHEETWISE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/sheetwise)
install(FILES ${PACKAGING_DIR}/copyright DESTINATION ${SHEETWISE_DOC_DIR})
sheetwise_install_gzipped(${PACKAGING_DIR}/changelog ${SHEETWISE_DOC_DIR})
install(FILES ${PACKAGING_DIR}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME sheetwise)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sheetwise)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Korvane)
set(CPACK_PACKAGE_CONTACT
    "Sheetwise maintainers <maintainers@users.noreply.c-seed-cea1c446.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "paper catalog editor for production printers")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Sheetwise edits the paper catalog of a production printer's print server:\n"
    "which papers exist, which one is the default, and the weights, types and\n"
    "colours offered for new papers. It reads and writes the catalog files byte\n"
    "for byte as print servers do. sheetwise-cli shows, checks, converts, edits\n"
    "and exports catalogs from the command line, one at a time or a fleet of\n"
    "them by edit scripts.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${SHEETWISE_WEB_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its platform plugins (xcb, wayland) at run time, where dpkg-shlibdeps cannot see them,
# and libqt6gui6 only recommends them: without them the editor cannot open a window.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_SHEETWISE_OBJCOPY ${CMAKE_OBJCOPY})
set(CPACK_PRE_BUILD_SCRIPTS ${PACKAGING_DIR}/RemoveComments.cmake)
include(CPack)

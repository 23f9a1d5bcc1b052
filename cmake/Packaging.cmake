# The Debian package: `cpack -G DEB` in the build folder makes mirte_<version>_<arch>.deb with the
# two programs, the launcher entry, the icon and the plan-file type that `cmake --install` installs.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mirte)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "ミルテ")
set(CPACK_PACKAGE_CONTACT "ミルテ開発チーム <mirte@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "lesson-hour planner for a Japanese elementary school class")
set(CPACK_PACKAGE_DESCRIPTION
    "ミルテ plans and records the lesson hours of one class for one school year: a setup wizard, a\n"
    "week view in which the teacher records what was taught, tallies per week, term and year,\n"
    "printed sheets, a whole-school summary with CSV export, and the command-line companion\n"
    "mirte-cli. The user interface is Japanese.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.org/mirte")
# The libraries the programs link come from dpkg-shlibdeps. What they load at run time it cannot
# see: Qt's platform plugins (no window without them) and the fonts the printed sheets name.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipafont-gothic, fonts-ipafont-mincho")
# Qt's own dialogs (files, printing) in Japanese.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)

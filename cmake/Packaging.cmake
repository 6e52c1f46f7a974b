# The Debian package: `cpack -G DEB` in a build folder writes vornicpack_<version>-1_<arch>.deb
# from what `cmake --install` would install under /usr.
#
# Its dependencies are those of the shared libraries the programs link (dpkg-shlibdeps), plus the
# font that stands in for "Courier New". The desktop, MIME and icon caches are rebuilt the way
# Debian packages do it today: shared-mime-info, desktop-file-utils and hicolor-icon-theme watch
# their folders with dpkg file triggers, so the package ships no maintainer scripts of its own.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vornicpack)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "maker of printable word puzzles")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Vornic Pack makes printable word puzzles for teachers and puzzle authors: word search,\n"
    "word maze, word labyrinth, jumbled text and lost letters. Puzzles are saved as .gm game\n"
    "files and exported as EMF, WMF, SVG, PDF or PNG pictures or as text. The command-line\n"
    "tool vornicpack-cli builds, inspects and renders the same puzzles in batches.")
string(REPLACE ";" "" CPACK_DEBIAN_PACKAGE_DESCRIPTION "${CPACK_DEBIAN_PACKAGE_DESCRIPTION}")
set(VORNIC_PACKAGE_MAINTAINER "Vornic Pack developers <vornicpack@users.invalid>"
    CACHE STRING "Maintainer field of the Debian package")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VORNIC_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, hicolor-icon-theme")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Debian ships programs without their symbol tables; it also keeps the package small and quick
# to build from a build with debug information.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)

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
    "Vornic Pack makes printable word puzzles for teachers and puzzle authors:\n"
    "word search, word maze, word labyrinth, jumbled text and lost letters.\n"
    "Puzzles are saved as .gm game files and exported as EMF, WMF, SVG, PDF or\n"
    "PNG pictures or as text. The command-line tool vornicpack-cli builds,\n"
    "inspects and renders the same puzzles in batches. A guide for teachers is\n"
    "in /usr/share/doc/vornicpack/guide and in the program's Help menu.")
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

# What Debian asks of every package beside its programs, in share/doc/vornicpack: a
# machine-readable copyright file, and the package's changelog for this version, compressed
# without a time stamp so that every build gives the same bytes.
set(VORNIC_PACKAGE_VERSION ${CPACK_PACKAGE_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})
set(VORNIC_PACKAGE_DOCS ${CMAKE_INSTALL_DATADIR}/doc/vornicpack)
configure_file(${PROJECT_SOURCE_DIR}/data/debian/changelog.in
               ${CMAKE_BINARY_DIR}/${VORNIC_PACKAGE_DOCS}/changelog.Debian @ONLY)
set(changelog ${CMAKE_BINARY_DIR}/${VORNIC_PACKAGE_DOCS}/changelog.Debian.gz)
add_custom_command(
  OUTPUT ${changelog}
  COMMAND sh -c "${VORNIC_GZIP} -9n -c \"$1\" > \"$2\"" gzip
          ${CMAKE_BINARY_DIR}/${VORNIC_PACKAGE_DOCS}/changelog.Debian ${changelog}
  DEPENDS ${CMAKE_BINARY_DIR}/${VORNIC_PACKAGE_DOCS}/changelog.Debian
  VERBATIM)
add_custom_target(vornic_package_docs ALL DEPENDS ${changelog})
install(FILES ${PROJECT_SOURCE_DIR}/data/debian/copyright ${changelog}
        DESTINATION ${VORNIC_PACKAGE_DOCS})
include(CPack)

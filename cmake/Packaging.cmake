# What an installation holds besides the programs, and the Debian package that
# CPack builds from the same install rules.

# Debian's documentation files: the copyright in machine-readable form and a
# changelog, compressed as the policy wants it (no name, no time stamp).
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${PROJECT_BINARY_DIR}/packaging/changelog @ONLY)
find_program(GZIP gzip REQUIRED)
add_custom_command(
  OUTPUT ${PROJECT_BINARY_DIR}/packaging/changelog.gz
  COMMAND ${GZIP} -9 -n -c ${PROJECT_BINARY_DIR}/packaging/changelog > ${PROJECT_BINARY_DIR}/packaging/changelog.gz
  DEPENDS ${PROJECT_BINARY_DIR}/packaging/changelog
  COMMENT "Compressing the changelog")
add_custom_target(peruka_changelog ALL DEPENDS ${PROJECT_BINARY_DIR}/packaging/changelog.gz)

set(PERUKA_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/peruka)
install(FILES README.md LICENSE packaging/copyright ${PROJECT_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${PERUKA_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME peruka)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Peruka developers")
set(CPACK_PACKAGE_CONTACT "The Peruka developers <peruka@peruka.jp>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "least-squares polynomial fitting calculator")
set(CPACK_PACKAGE_DESCRIPTION
    "Peruka (ペルカ) is a small desktop calculator with a Japanese interface.
It fits a polynomial of degree 1 to 20 to (x, y) points by the method of
least squares and prints its coefficients. It computes in 80-bit extended
precision with exact decimal conversions, so the same data always give the
same digits.
.
The package also holds peruka-fit, which runs the same calculation over
files, for scripts and large data sets.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://peruka.jp/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's font and Qt's Japanese texts (its standard menus and the file
# dialog), which the libraries do not name.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, qt6-translations-l10n")
include(CPack)

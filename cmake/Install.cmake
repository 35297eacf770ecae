# What `cmake --install` puts where, and the Debian package CPack makes of it
# (scripts/package).

# The manual pages are filled in when they are installed, so that they name
# the folders of the prefix they are installed under (cmake --install
# --prefix, or the package's /usr).
install(CODE "
  set(SWTED_SOURCE_DIR \"${CMAKE_SOURCE_DIR}\")
  set(SWTED_BINARY_DIR \"${CMAKE_BINARY_DIR}\")
  set(SWTED_DATADIR \"${CMAKE_INSTALL_DATADIR}\")
  set(SWTED_MANDIR \"${CMAKE_INSTALL_MANDIR}\")
  set(PROJECT_VERSION \"${PROJECT_VERSION}\")
  set(SWTED_RELEASE_DATE \"${SWTED_RELEASE_DATE}\")
  include(\"${CMAKE_SOURCE_DIR}/cmake/InstallManPages.cmake\")")

install(TARGETS swted swted-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/Swted.ini data/TORVA.DES data/VEXA.DES DESTINATION ${CMAKE_INSTALL_DATADIR}/swted)
install(FILES data/org.swted.Swted.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/org.swted.Swted.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/swted-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME swted.xml)
install(FILES data/icons/org.swted.Swted.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES data/icons/org.swted.Swted.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps)
install(FILES data/swted-cli.bash-completion DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
  RENAME swted-cli)
install(FILES README.md CHANGELOG.md docs/settings.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/swted)
install(FILES examples/PLANT.OPT examples/PLANT.OPL DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/swted/examples)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME swted)
set(CPACK_PACKAGE_VENDOR "The Swted developers")
set(CPACK_PACKAGE_CONTACT "The Swted developers <swted@swted.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "options editor for KARVEN piping isometric drawings")
# The package's long description: CPack puts the summary above it and
# indents each line as Debian's control file wants.
set(CPACK_PACKAGE_DESCRIPTION "Swted edits the options files of KARVEN, the generator of piping isometric
drawings: the 140 option switches of a file are shown as eight pages of
named check boxes, lists and fields, every value is checked against its
allowed range, every other line of the file is kept, and saves keep a
backup. swted-cli reads, checks, compares and changes settings by name in
many files at once.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://swted.org/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window system's plugin (xcb, wayland) is a package of its own, and the
# pages need a font.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-core | fonts-liberation2")
set(CPACK_STRIP_FILES ON)
include(CPack)

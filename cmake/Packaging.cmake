# Where an installed Rollscan keeps its files, and the Debian package made from them.
include(GNUInstallDirs)

# The program finds its read-only sample here, relative to its own folder.
set(ROLLSCAN_INSTALL_SAMPLE_DIR ${CMAKE_INSTALL_DATADIR}/rollscan/sample)
set(ROLLSCAN_APP_ID org.rollscan.Rollscan)
string(TIMESTAMP ROLLSCAN_RELEASE_DATE "%Y-%m-%d" UTC)

file(RELATIVE_PATH ROLLSCAN_SAMPLE_FROM_BIN /${CMAKE_INSTALL_BINDIR} /${ROLLSCAN_INSTALL_SAMPLE_DIR})
# Run from the build tree, the program opens the sample of the sources instead.
target_compile_definitions(rollscan PRIVATE ROLLSCAN_SAMPLE_FROM_BIN="${ROLLSCAN_SAMPLE_FROM_BIN}"
  ROLLSCAN_BUILD_BIN_DIR="$<TARGET_FILE_DIR:rollscan>" ROLLSCAN_SOURCE_SAMPLE="${PROJECT_SOURCE_DIR}/sample")

install(TARGETS rollscan rollscan-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The report files a tally check leaves in a working copy are not part of the sample.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/sample/ DESTINATION ${ROLLSCAN_INSTALL_SAMPLE_DIR}
  PATTERN "hmatch.txt" EXCLUDE PATTERN "smatch.txt" EXCLUDE)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/help/ DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/rollscan/help
  FILES_MATCHING PATTERN "*.html")
install(FILES ${PROJECT_SOURCE_DIR}/dist/${ROLLSCAN_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/dist/rollscan.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
configure_file(${PROJECT_SOURCE_DIR}/dist/${ROLLSCAN_APP_ID}.metainfo.xml
  ${PROJECT_BINARY_DIR}/dist/${ROLLSCAN_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/dist/${ROLLSCAN_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# Debian wants manual pages compressed.
find_program(GZIP_PROGRAM gzip)
if(GZIP_PROGRAM)
  add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/dist/rollscan-cli.1.gz
    COMMAND ${GZIP_PROGRAM} -9 -n -c ${PROJECT_SOURCE_DIR}/dist/rollscan-cli.1 > ${PROJECT_BINARY_DIR}/dist/rollscan-cli.1.gz
    DEPENDS ${PROJECT_SOURCE_DIR}/dist/rollscan-cli.1)
  add_custom_target(rollscan_manpage ALL DEPENDS ${PROJECT_BINARY_DIR}/dist/rollscan-cli.1.gz)
  install(FILES ${PROJECT_BINARY_DIR}/dist/rollscan-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  install(FILES ${PROJECT_SOURCE_DIR}/dist/rollscan-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

set(CPACK_PACKAGE_NAME rollscan)
set(CPACK_PACKAGE_VENDOR "Rollscan developers")
set(CPACK_PACKAGE_CONTACT "Rollscan developers <rollscan@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "viewer of the roll-call votes of the US Congress")
# One string: pieces given to set() would become a list, and each line after the first would open
# with the list's ";" in the package's description.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Rollscan finds roll calls of the House and the Senate by date, subject\n"
  "code or keyword and shows each one as an ideological map of the members\n"
  "with its cutting line, errors and statistics. A sample of congresses is\n"
  "included; rollscan-cli converts the public roll-call tables.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY rollscan)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The sound decoders of the attachments are loaded at run time as plugins: no library scan sees them.
set(ROLLSCAN_RUNTIME_DEPENDS "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good")
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${ROLLSCAN_RUNTIME_DEPENDS}")
else()
  # Without the scanner, the libraries the programs link, by their Debian 12 package names.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6, libstdc++6, libqt6core6, libqt6gui6, libqt6widgets6, libqt6printsupport6, \
libqt6svg6, libqt6multimedia6, libshp2, ${ROLLSCAN_RUNTIME_DEPENDS}")
endif()
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, fonts-dejavu-core")
include(CPack)

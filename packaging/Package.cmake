# Installs the program folder under lib/zingbox, with a bin/zingbox link into it, and
# packs the installation as a Debian package (`cpack -G DEB` or the `package` target).
# Included from the top level, after the program's target exists.
if(NOT ZINGBOX_BUILD_GUI)
  return()
endif()

set(ZINGBOX_INSTALL_FOLDER lib/zingbox)

# The executable goes through install(TARGETS) so that its build-tree RPATH is dropped;
# the player folder and the movies follow whatever the build wrote beside it.
install(TARGETS zingbox RUNTIME DESTINATION ${ZINGBOX_INSTALL_FOLDER})
install(DIRECTORY ${ZINGBOX_PROGRAM_DIR}/player DESTINATION ${ZINGBOX_INSTALL_FOLDER})
install(DIRECTORY ${ZINGBOX_PROGRAM_DIR}/ DESTINATION ${ZINGBOX_INSTALL_FOLDER}
        FILES_MATCHING PATTERN *.swf)

# A relative link keeps the installation movable; the program resolves it through
# /proc/self/exe and finds its movies in the real folder.
set(launcher_link ${CMAKE_BINARY_DIR}/packaging/launcher/zingbox)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/packaging/launcher)
file(CREATE_LINK ../${ZINGBOX_INSTALL_FOLDER}/zingbox ${launcher_link} SYMBOLIC)
install(FILES ${launcher_link} DESTINATION bin)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zingbox)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Zingbox developers")
set(CPACK_PACKAGE_CONTACT "Zingbox developers <zingbox@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}: six arcade games in one window")
# CPack puts the summary above this as the first line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Zingbox! is the launcher of the Classic Zingbox Pack, six arcade games made as Flash
movies, played through the Ruffle emulator in a monitor-like window. A demo pack of
small games of its own comes with it; the pack's original movies can replace them in
/usr/${ZINGBOX_INSTALL_FOLDER}.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_STRIP_FILES ON)
# dpkg-shlibdeps finds the Qt libraries the executable links, and with Qt WebEngine also
# its helper process; xdg-open, the mail link's opener, is started by name.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS xdg-utils)
include(CPack)

# Installs the program where Debian keeps games and packs the installation as a Debian
# package (`cpack -G DEB` or the `package` target). Included from the top level, after
# the program's target exists.
if(NOT ZINGBOX_BUILD_GUI)
  return()
endif()
include(GNUInstallDirs)

# The program loads its player and movies from its own folder, so they stay together,
# executable included, in one folder under lib/games; games/ holds the command.
set(ZINGBOX_INSTALL_FOLDER lib/games/zingbox)
set(ZINGBOX_COMMAND_FOLDER games)
set(packaging_dir ${CMAKE_SOURCE_DIR}/packaging)
set(packaging_build_dir ${CMAKE_BINARY_DIR}/packaging)

# install(TARGETS) drops the executable's build-tree RPATH.
install(TARGETS zingbox RUNTIME DESTINATION ${ZINGBOX_INSTALL_FOLDER})
get_target_property(player_files zingbox_player_files PLAYER_FILES)
foreach(file IN LISTS player_files)
  get_filename_component(subfolder ${file} DIRECTORY)
  install(FILES ${ZINGBOX_PROGRAM_DIR}/player/${file}
          DESTINATION ${ZINGBOX_INSTALL_FOLDER}/player/${subfolder})
endforeach()
install(DIRECTORY ${ZINGBOX_PROGRAM_DIR}/ DESTINATION ${ZINGBOX_INSTALL_FOLDER}
        FILES_MATCHING PATTERN *.swf)

# A relative link keeps the installation movable; the program resolves it through
# /proc/self/exe and finds its movies in the real folder.
set(command_link ${packaging_build_dir}/command/zingbox)
file(MAKE_DIRECTORY ${packaging_build_dir}/command)
file(CREATE_LINK ../${ZINGBOX_INSTALL_FOLDER}/zingbox ${command_link} SYMBOLIC)
install(FILES ${command_link} DESTINATION ${ZINGBOX_COMMAND_FOLDER})

# The desktop entry names the command by its full path under the prefix installed to:
# root's PATH lacks /usr/games, and nobody's has the games folder of another prefix.
string(CONFIGURE [[
  file(READ "@packaging_dir@/linux/zingbox.desktop" entry)
  string(REPLACE "\nExec=zingbox\n" "\nExec=${CMAKE_INSTALL_PREFIX}/@ZINGBOX_COMMAND_FOLDER@/zingbox\n"
         entry "${entry}")
  file(WRITE "@packaging_build_dir@/installed/zingbox.desktop" "${entry}")
  file(INSTALL "@packaging_build_dir@/installed/zingbox.desktop"
       DESTINATION "${CMAKE_INSTALL_PREFIX}/@CMAKE_INSTALL_DATADIR@/applications")
]] install_desktop_entry @ONLY)
install(CODE "${install_desktop_entry}")
install(FILES ${packaging_dir}/linux/${ZINGBOX_APPSTREAM_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 48 64 128 256)
  install(FILES ${packaging_dir}/icons/hicolor/${size}x${size}/apps/zingbox.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

install(FILES ${ZINGBOX_MANUAL_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${packaging_dir}/debian/copyright ${ZINGBOX_CHANGELOG}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zingbox)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zingbox)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Zingbox developers")
set(CPACK_PACKAGE_CONTACT "Zingbox developers <zingbox@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "launcher for a pack of six classic arcade games")
# CPack puts the summary above this as the first line; Debian wants lines of at most
# 80 characters.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Zingbox! opens one window, framed like an arcade monitor, in which the menu
movie of the Classic Zingbox Pack plays; a game chosen in the menu loads into
the same player. Buttons below the screen go back to the menu, pause and
resume the game, restart it and prepare an e-mail recommending the pack.
.
The games are Flash movies, played by the Ruffle emulator in a Qt WebEngine
view. A demo pack of small games of its own comes with the package; the
pack's original movies can replace them in /usr/${ZINGBOX_INSTALL_FOLDER}.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_STRIP_FILES ON)
# dpkg-shlibdeps finds the Qt libraries the executable links, and with Qt WebEngine also
# its helper process; xdg-open, the mail link's opener, is started by name. Movies' device
# text is drawn as on Windows with fonts of Windows' widths (Liberation for Arial, Times New
# Roman and Courier New; DejaVu where those are missing): without them it breaks out of its
# fields. Debian 13 has Liberation 2 as fonts-liberation.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "xdg-utils, fonts-liberation2 | fonts-liberation, fonts-dejavu-core")
include(CPack)

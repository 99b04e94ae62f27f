# Installing and packaging. On Linux: the executable in bin/, the read-only game folder in
# share/games/tallix-free/ (found beside bin/ at run time, so a relocated prefix works; never the
# player's own $XDG_DATA_HOME/tallix-free, even in a ~/.local prefix), the desktop
# entry, the icon in the theme sizes the art tool draws, the AppStream metainfo and the read-me and
# font licence; CPack makes a Debian package whose dependencies dpkg-shlibdeps derives. On Windows
# (the mingw-w64 cross build): a zip with tallix.exe, the Data folder and a short read-me.
set(CPACK_PACKAGE_NAME tallix-free)
set(CPACK_PACKAGE_VENDOR "The Tallix Free team")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Tallix Free team <feedback@tallixfree.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Cross-sum number puzzles against the clock")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.tallixfree.com/")
set(APP_ID com.tallixfree.TallixFree)
set(FONT_LICENCE /usr/share/doc/fonts-dejavu-core/copyright)
# What a player of the build folder left in its Data (saved games, made levels, best times, hidden
# temporary files of an interrupted write) stays.
set(PLAYER_FILES PATTERN "*.gsv" EXCLUDE PATTERN "~*" EXCLUDE PATTERN "Recs.ini" EXCLUDE PATTERN ".*" EXCLUDE)

if(WIN32)
  # The host build's game folder, given as -DTALLIX_DATA_DIR=.../build/game/Data.
  install(TARGETS tallix RUNTIME DESTINATION .)
  if(TALLIX_DATA_DIR)
    install(DIRECTORY ${TALLIX_DATA_DIR} DESTINATION . ${PLAYER_FILES})
    install(FILES ${CMAKE_SOURCE_DIR}/data/levels/Recs.ini DESTINATION Data/Levels)
  endif()
  install(FILES ${CMAKE_SOURCE_DIR}/data/desktop/ReadMe-Windows.txt DESTINATION . RENAME ReadMe.txt)
  if(EXISTS ${FONT_LICENCE})
    install(FILES ${FONT_LICENCE} DESTINATION . RENAME FontLicence.txt)
  endif()
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME tallix-free-${CPACK_PACKAGE_VERSION}-windows)
  include(CPack)
  return()
endif()

include(GNUInstallDirs)
set(GAME_SHARE ${CMAKE_INSTALL_DATADIR}/games/tallix-free)
install(TARGETS tallix RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${GAME_DIR}/Data DESTINATION ${GAME_SHARE} ${PLAYER_FILES})
install(FILES ${CMAKE_SOURCE_DIR}/data/levels/Recs.ini DESTINATION ${GAME_SHARE}/Data/Levels)
install(FILES ${CMAKE_SOURCE_DIR}/data/desktop/${APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/data/desktop/${APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(side 16 24 32 48 64 128 256)
  install(FILES ${CMAKE_BINARY_DIR}/icons/tallix-free-${side}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${side}x${side}/apps RENAME ${APP_ID}.png)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tallix-free)
install(FILES ${FONT_LICENCE} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tallix-free RENAME fonts-copyright)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libgl1-mesa-dri")  # software OpenGL where no other driver is
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Fill a grid with the digits 1 to 9 so that every run adds up to its clue.
 Sixty levels, new boards on request, hints, medals and best times.")
include(CPack)

# Installing the game for the desktop:
#   PREFIX/lib/vorlin/vorlin and PREFIX/lib/vorlin/dati/  the game with its data folder beside it
#   PREFIX/bin/vorlin                                      a launcher that starts it from there
#   PREFIX/share/applications/vorlin.desktop               the menu entry
#   PREFIX/share/icons/hicolor/32x32/apps/vorlin.png       the window's icon, for the menu
# The game keeps its records in the program folder when it may write there, otherwise in the
# per-user folder $XDG_DATA_HOME/vorlin, so a system-wide install needs nothing else.

set(VORLIN_INSTALL_PROGRAM_DIR lib/vorlin)
set(VORLIN_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)

install(TARGETS vorlin RUNTIME DESTINATION ${VORLIN_INSTALL_PROGRAM_DIR})
install(DIRECTORY ${VORLIN_DATA_DIR}/ DESTINATION ${VORLIN_INSTALL_PROGRAM_DIR}/dati
        FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
install(PROGRAMS ${VORLIN_PACKAGING_DIR}/vorlin_launcher.sh DESTINATION bin RENAME vorlin)
install(FILES ${VORLIN_PACKAGING_DIR}/vorlin.desktop DESTINATION share/applications)
install(FILES ${VORLIN_GENERATED_DIR}/icon.png DESTINATION share/icons/hicolor/32x32/apps
        RENAME vorlin.png)

include(${CMAKE_CURRENT_LIST_DIR}/screenshots.cmake)

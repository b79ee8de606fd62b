# Installing the game the way Debian installs games (the same layout under any prefix):
#   PREFIX/games/vorlin                         the command: a launcher that starts the program
#   PREFIX/lib/games/vorlin/vorlin              the program
#   PREFIX/lib/games/vorlin/dati -> ../../../share/games/vorlin/dati
#                                               the data folder the game reads beside itself
#   PREFIX/lib/games/vorlin/installed           the mark of the installed layout
#   PREFIX/share/games/vorlin/dati/             pictures, sounds and the record template
#   PREFIX/share/applications/org.example.vorlin.desktop
#                                               the menu entry, named by the game's id
#   PREFIX/share/metainfo/org.example.vorlin.metainfo.xml
#                                               what the software centres show
#   PREFIX/share/icons/hicolor/NxN/apps/vorlin.png   the icons, 16 to 256 pixels
#   PREFIX/share/man/man6/vorlin.6.gz           the manual page, in English
#   PREFIX/share/man/it/man6/vorlin.6.gz        the manual page in Italian
#   PREFIX/share/doc/vorlin/copyright, changelog.Debian.gz
#   PREFIX/share/lintian/overrides/vorlin       the lintian warning kept on purpose, and why
# Run from its build folder or a folder of its own, the game keeps its records beside the program
# when it may write there. Installed, it keeps them in the per-user folder $XDG_DATA_HOME/vorlin
# only, root included: the program folder belongs to the package, so each player keeps a table
# of their own and removing the package leaves no file of the game's behind. The game knows it
# is installed by the mark these rules put beside the program: a file written only here, it holds
# under any prefix, in the package as after `make install`, whether dati/ is a link or a copy and
# however the path to the program is spelt, where a guess from the folders around the program
# would not.

set(VORLIN_APP_ID org.example.vorlin)
# The day of the release named by the project's version, for the software centres.
set(VORLIN_RELEASE_DATE 2026-12-10)
set(VORLIN_INSTALL_COMMAND_DIR games)
set(VORLIN_INSTALL_PROGRAM_DIR lib/games/vorlin)
set(VORLIN_INSTALL_DATA_DIR share/games/vorlin/dati)
set(VORLIN_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)
set(VORLIN_PACKAGING_OUT ${CMAKE_BINARY_DIR}/packaging)

# The link from the program folder to the data folder, relative so that it holds under any
# prefix and inside a package.
file(MAKE_DIRECTORY ${VORLIN_PACKAGING_OUT})
file(CREATE_LINK ../../../${VORLIN_INSTALL_DATA_DIR} ${VORLIN_PACKAGING_OUT}/dati SYMBOLIC)

file(WRITE ${VORLIN_PACKAGING_OUT}/installed
     "Vorlin installed here: every player's records are kept in $XDG_DATA_HOME/vorlin/.\n")

configure_file(${VORLIN_PACKAGING_DIR}/${VORLIN_APP_ID}.metainfo.xml.in
               ${VORLIN_PACKAGING_OUT}/${VORLIN_APP_ID}.metainfo.xml @ONLY)

# The manual pages and the changelog are installed compressed, without a time stamp inside.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(vorlin_compressed "")
foreach(source vorlin.6 vorlin.it.6 changelog.Debian)
  add_custom_command(
    OUTPUT ${VORLIN_PACKAGING_OUT}/${source}.gz
    COMMAND ${GZIP_PROGRAM} -9 -n -c ${VORLIN_PACKAGING_DIR}/${source} >
            ${VORLIN_PACKAGING_OUT}/${source}.gz
    DEPENDS ${VORLIN_PACKAGING_DIR}/${source}
    VERBATIM)
  list(APPEND vorlin_compressed ${VORLIN_PACKAGING_OUT}/${source}.gz)
endforeach()
add_custom_target(vorlin_compressed_docs ALL DEPENDS ${vorlin_compressed})

# What the install rules below take, and so the package holds; `make install` and `make package`
# build this target alone, and installing does not build the tests and benchmarks first.
add_custom_target(vorlin_installed_files DEPENDS vorlin vorlin_data vorlin_compressed_docs)
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(vorlin_readable_file OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

install(TARGETS vorlin RUNTIME DESTINATION ${VORLIN_INSTALL_PROGRAM_DIR})
install(FILES ${VORLIN_PACKAGING_OUT}/dati DESTINATION ${VORLIN_INSTALL_PROGRAM_DIR})
install(FILES ${VORLIN_PACKAGING_OUT}/installed DESTINATION ${VORLIN_INSTALL_PROGRAM_DIR}
        PERMISSIONS ${vorlin_readable_file})
install(DIRECTORY ${VORLIN_DATA_DIR}/ DESTINATION ${VORLIN_INSTALL_DATA_DIR}
        FILE_PERMISSIONS ${vorlin_readable_file})
install(PROGRAMS ${VORLIN_PACKAGING_DIR}/vorlin_launcher.sh DESTINATION ${VORLIN_INSTALL_COMMAND_DIR}
        RENAME vorlin)
install(FILES ${VORLIN_PACKAGING_DIR}/${VORLIN_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${VORLIN_PACKAGING_OUT}/${VORLIN_APP_ID}.metainfo.xml DESTINATION share/metainfo)
foreach(size IN LISTS VORLIN_ICON_SIZES)
  install(FILES ${VORLIN_ICON_DIR}/${size}.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME vorlin.png)
endforeach()
install(FILES ${VORLIN_PACKAGING_OUT}/vorlin.6.gz DESTINATION share/man/man6)
install(FILES ${VORLIN_PACKAGING_OUT}/vorlin.it.6.gz DESTINATION share/man/it/man6 RENAME vorlin.6.gz)
install(FILES ${VORLIN_PACKAGING_DIR}/copyright ${VORLIN_PACKAGING_OUT}/changelog.Debian.gz
        DESTINATION share/doc/vorlin)
install(FILES ${VORLIN_PACKAGING_DIR}/vorlin.lintian-overrides DESTINATION share/lintian/overrides
        RENAME vorlin)

include(${CMAKE_CURRENT_LIST_DIR}/screenshots.cmake)

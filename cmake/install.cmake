# SPDX-License-Identifier: GPL-3.0-or-later
# Installation as a desktop program: the game and its data together in one folder (it finds them
# beside its real executable), a link to it among the programs, and the desktop file, icon and
# AppStream data. The Debian package puts the folder in lib/games and the link in games.
include(GNUInstallDirs)
set(WT_APP_ID org.wimbogames.WimboTangram)
set(WT_INSTALL_PROGRAM_DIR ${CMAKE_INSTALL_LIBDIR}/wimbo-tangram CACHE STRING
    "Folder below the prefix for the game, its figure library and its help file")
set(WT_INSTALL_LINK_DIR ${CMAKE_INSTALL_BINDIR} CACHE STRING
    "Folder below the prefix for the link that starts the game")
set(WT_LIBEXEC ${WT_INSTALL_PROGRAM_DIR})
install(TARGETS wimbo-tangram RUNTIME DESTINATION ${WT_LIBEXEC})
install(TARGETS wimbo-tangram-audio LIBRARY DESTINATION ${WT_LIBEXEC})
install(FILES ${WT_PROGRAM_DIR}/kelm.dat ${WT_PROGRAM_DIR}/KELM2.HLP DESTINATION ${WT_LIBEXEC})
install(CODE "
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${WT_INSTALL_LINK_DIR}\")
    file(CREATE_LINK \"../${WT_LIBEXEC}/wimbo-tangram\"
         \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${WT_INSTALL_LINK_DIR}/wimbo-tangram\" SYMBOLIC)
")
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/${WT_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The AppStream data names the web page only when the build has one.
if(WT_WEB_ADDRESS)
    set(WT_HOMEPAGE_LINE "  <url type=\"homepage\">${WT_WEB_ADDRESS}</url>")
else()
    set(WT_HOMEPAGE_LINE "")
endif()
configure_file(${PROJECT_SOURCE_DIR}/resources/desktop/${WT_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/${WT_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${WT_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/wimbo-tangram.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${WT_APP_ID}.svg)

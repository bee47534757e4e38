# SPDX-License-Identifier: GPL-3.0-or-later
# Installation as a desktop program: the game and its data together in lib/wimbo-tangram (it finds
# them beside its real executable), a link in bin, and the desktop file, icon and AppStream data.
include(GNUInstallDirs)
set(WT_APP_ID org.wimbogames.WimboTangram)
set(WT_LIBEXEC ${CMAKE_INSTALL_LIBDIR}/wimbo-tangram)
install(TARGETS wimbo-tangram RUNTIME DESTINATION ${WT_LIBEXEC})
install(TARGETS wimbo-tangram-audio LIBRARY DESTINATION ${WT_LIBEXEC})
install(FILES ${WT_PROGRAM_DIR}/kelm.dat ${WT_PROGRAM_DIR}/KELM2.HLP DESTINATION ${WT_LIBEXEC})
install(CODE "
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(CREATE_LINK \"../${WT_LIBEXEC}/wimbo-tangram\"
         \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/wimbo-tangram\" SYMBOLIC)
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

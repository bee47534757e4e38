# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop integration files must pass the freedesktop validators.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(APPSTREAMCLI appstreamcli)
if(DESKTOP_FILE_VALIDATE)
    add_test(NAME desktop_file_valid COMMAND ${DESKTOP_FILE_VALIDATE}
             ${PROJECT_SOURCE_DIR}/resources/desktop/org.wimbogames.WimboTangram.desktop)
endif()
if(APPSTREAMCLI)
    add_test(NAME appstream_valid COMMAND ${APPSTREAMCLI} validate --no-net
             ${PROJECT_SOURCE_DIR}/resources/desktop/org.wimbogames.WimboTangram.metainfo.xml)
endif()

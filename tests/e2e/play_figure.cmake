# SPDX-License-Identifier: GPL-3.0-or-later
# A real window: a figure played to the end with the mouse in the installed game, under Xvfb and
# openbox, driven by xdotool; imagemagick reads the screen's pixels.
find_program(XVFB Xvfb)
find_program(XDOTOOL xdotool)
find_program(OPENBOX openbox)
find_program(IMPORT import)
find_program(CONVERT convert)
if(XVFB AND XDOTOOL AND OPENBOX AND IMPORT AND CONVERT AND TARGET wimbo-tangram)
    add_test(NAME e2e_play_figure
             COMMAND ${CMAKE_CURRENT_LIST_DIR}/play_figure.sh ${CMAKE_BINARY_DIR}
                     ${CMAKE_BINARY_DIR}/screenshots/play_figure)
    set_tests_properties(e2e_play_figure PROPERTIES TIMEOUT 120 RUN_SERIAL TRUE)
endif()

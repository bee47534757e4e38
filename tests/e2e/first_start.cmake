# SPDX-License-Identifier: GPL-3.0-or-later
# A real window: the installed game under Xvfb and openbox, driven by xdotool.
find_program(XVFB Xvfb)
find_program(XDOTOOL xdotool)
find_program(OPENBOX openbox)
if(XVFB AND XDOTOOL AND OPENBOX AND TARGET wimbo-tangram)
    add_test(NAME e2e_first_start
             COMMAND ${CMAKE_CURRENT_LIST_DIR}/first_start.sh ${CMAKE_BINARY_DIR}
                     ${CMAKE_BINARY_DIR}/screenshots/first_start)
    set_tests_properties(e2e_first_start PROPERTIES TIMEOUT 120 RUN_SERIAL TRUE)
endif()

# SPDX-License-Identifier: GPL-3.0-or-later
# The main window's commands, start-up and close flow, offscreen.
if(TARGET tangram_ui)
    add_executable(main_window_test ${CMAKE_CURRENT_LIST_DIR}/main_window_test.cpp)
    target_include_directories(main_window_test PRIVATE ${CMAKE_CURRENT_LIST_DIR})
    target_link_libraries(main_window_test PRIVATE tangram_ui Qt6::Test)
    add_test(NAME main_window_test COMMAND main_window_test)
    set_tests_properties(main_window_test PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endif()

if(TARGET tangram_ui)
    add_executable(opening_animation_test ${CMAKE_CURRENT_LIST_DIR}/opening_animation_test.cpp)
    target_link_libraries(opening_animation_test PRIVATE tangram_ui Qt6::Test)
    add_test(NAME opening_animation_test COMMAND opening_animation_test)
    set_tests_properties(opening_animation_test PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endif()

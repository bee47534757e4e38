# SPDX-License-Identifier: GPL-3.0-or-later
# Widget tests of the main window's board: layout and background, drawing, mouse and cursors,
# and the generated pictures; offscreen. The drawing and mouse tests run a second time at device
# pixel ratio 2, where the back buffer holds four device pixels per board pixel.
if(TARGET tangram_ui)
    foreach(part layout drawing mouse assets)
        set(test board_${part}_test)
        add_executable(${test} ${CMAKE_CURRENT_LIST_DIR}/board_${part}_test.cpp
                               ${CMAKE_CURRENT_LIST_DIR}/board_support.h)
        target_link_libraries(${test} PRIVATE tangram_ui tangram_model Qt6::Test)
        add_test(NAME ${test} COMMAND ${test})
        set_tests_properties(${test} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
    endforeach()
    foreach(part drawing mouse)
        add_test(NAME board_${part}_hidpi_test COMMAND board_${part}_test)
        set_tests_properties(board_${part}_hidpi_test PROPERTIES
            ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=2")
    endforeach()
    # The assets test runs the generator and compares its output with the committed pictures.
    target_compile_definitions(board_assets_test PRIVATE
        WT_GEN_BOARD_ASSETS="$<TARGET_FILE:gen_board_assets>")
    add_dependencies(board_assets_test gen_board_assets)
endif()

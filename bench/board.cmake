# SPDX-License-Identifier: GPL-3.0-or-later
# Benchmarks of the main window's board: a drag step and a full repaint at 1920 x 1080.
if(TARGET tangram_ui)
    add_executable(board_bench ${CMAKE_CURRENT_LIST_DIR}/board_bench.cpp)
    target_link_libraries(board_bench PRIVATE tangram_ui tangram_model benchmark::benchmark)
    set_target_properties(board_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
endif()

# SPDX-License-Identifier: GPL-3.0-or-later
# Generator of the board's pictures: the background tile and the move and turn cursors. The PNG
# files are committed under resources/board; regenerate them by hand after changing the generator:
#     cmake --build <build-dir> --target regenerate_board_assets
add_executable(gen_board_assets ${CMAKE_CURRENT_LIST_DIR}/gen_board_assets.cpp)
target_link_libraries(gen_board_assets PRIVATE Qt6::Gui)
set_target_properties(gen_board_assets PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)

add_custom_target(regenerate_board_assets
    COMMAND gen_board_assets ${PROJECT_SOURCE_DIR}/resources/board
    COMMENT "Writing the board's tile and cursors into resources/board"
    VERBATIM)

# SPDX-License-Identifier: GPL-3.0-or-later
# The board's pictures, made by tools/gen_board_assets.cpp and committed; see tools/board.cmake.
set(wt_board_dir ${PROJECT_SOURCE_DIR}/resources/board)
qt_add_resources(tangram_ui "board"
    PREFIX "/board"
    BASE ${wt_board_dir}
    FILES
        ${wt_board_dir}/tile.png
        ${wt_board_dir}/CRMOVE1.png
        ${wt_board_dir}/CRTURN2.png
)

# SPDX-License-Identifier: GPL-3.0-or-later
# The toolbar glyphs are painted in code. The program icon is one scalable picture, compiled in for
# the windows (the desktop install of the same file is in cmake/install.cmake).
target_link_libraries(tangram_ui PUBLIC Qt6::Svg)

set(wt_icon_dir ${PROJECT_SOURCE_DIR}/resources/icons)
qt_add_resources(tangram_ui "program_icon"
    PREFIX "/icons"
    BASE ${wt_icon_dir}
    FILES ${wt_icon_dir}/wimbo-tangram.svg
)

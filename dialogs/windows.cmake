# SPDX-License-Identifier: GPL-3.0-or-later
# The small windows' own files: the flag pictures of the language dialog (SVG, drawn for this
# project) and the help document, which the game reads from its program directory.
target_link_libraries(tangram_dialogs PUBLIC Qt6::Svg)

set(wt_picture_dir ${PROJECT_SOURCE_DIR}/resources/pictures)
qt_add_resources(tangram_dialogs "dialog_pictures"
    PREFIX "/pictures"
    BASE ${wt_picture_dir}
    FILES
        ${wt_picture_dir}/flags_english.svg
        ${wt_picture_dir}/flags_german.svg
)

# The rules: copied beside the binary at build time (cmake/install.cmake installs that copy).
set(wt_help_source ${PROJECT_SOURCE_DIR}/resources/help/KELM2.HLP)
add_custom_command(
    OUTPUT ${WT_PROGRAM_DIR}/KELM2.HLP
    COMMAND ${CMAKE_COMMAND} -E make_directory ${WT_PROGRAM_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${wt_help_source} ${WT_PROGRAM_DIR}/KELM2.HLP
    DEPENDS ${wt_help_source}
    COMMENT "Copying the help file beside the program"
    VERBATIM)
add_custom_target(help_file ALL DEPENDS ${WT_PROGRAM_DIR}/KELM2.HLP)
add_dependencies(tangram_dialogs help_file)

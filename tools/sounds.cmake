# SPDX-License-Identifier: GPL-3.0-or-later
# Generator of the six sound effects. The clips are committed under resources/sounds; regenerate
# them by hand after changing the generator:
#     cmake --build <build-dir> --target regenerate_sounds
add_executable(gen_sounds ${CMAKE_CURRENT_LIST_DIR}/gen_sounds.cpp)

add_custom_target(regenerate_sounds
    COMMAND gen_sounds ${PROJECT_SOURCE_DIR}/resources/sounds
    COMMENT "Writing the sound effects into resources/sounds"
    VERBATIM)

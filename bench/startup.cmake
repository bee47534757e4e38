# SPDX-License-Identifier: GPL-3.0-or-later
add_executable(bare_window bare_window.cpp)
target_link_libraries(bare_window PRIVATE Qt6::Widgets)
set_target_properties(bare_window PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)

# SPDX-License-Identifier: GPL-3.0-or-later
# The game itself: the program start plus the libraries; the pattern library and the help file
# are put beside it by their own rules.
qt_add_executable(wimbo-tangram ${CMAKE_CURRENT_SOURCE_DIR}/main.cpp)
target_link_libraries(wimbo-tangram PRIVATE tangram_dialogs)

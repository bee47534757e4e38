# SPDX-License-Identifier: GPL-3.0-or-later
# The toolbar glyphs and the program icon rendered offscreen: every glyph at 1x and 2x, the sound
# states, the category figures, the disabled look and the icon picture.
if(TARGET tangram_ui)
    add_executable(glyphs_test ${CMAKE_CURRENT_LIST_DIR}/glyphs_test.cpp)
    target_link_libraries(glyphs_test PRIVATE tangram_ui Qt6::Svg Qt6::Test)
    add_test(NAME glyphs_test COMMAND glyphs_test)
    set_tests_properties(glyphs_test PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endif()

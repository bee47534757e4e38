# SPDX-License-Identifier: GPL-3.0-or-later
# Unit tests of the statistics dialog's logic: counting, titles and sentences in both languages,
# the help bar's segments and the gauges' percentages. No window is opened.
if(TARGET tangram_dialogs)
    include(GoogleTest)
    add_executable(statistics_tests
        ${CMAKE_CURRENT_LIST_DIR}/statistics_texts_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/statistics_bar_test.cpp
    )
    target_link_libraries(statistics_tests PRIVATE tangram_dialogs GTest::gtest_main)
    gtest_discover_tests(statistics_tests DISCOVERY_MODE PRE_TEST)
endif()

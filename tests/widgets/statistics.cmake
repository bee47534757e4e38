# SPDX-License-Identifier: GPL-3.0-or-later
# Widget test of the statistics dialog, offscreen.
if(TARGET tangram_dialogs)
    add_executable(statistics_dialog_test ${CMAKE_CURRENT_LIST_DIR}/statistics_dialog_test.cpp)
    target_link_libraries(statistics_dialog_test PRIVATE tangram_dialogs Qt6::Test)
    add_test(NAME statistics_dialog_test COMMAND statistics_dialog_test)
    set_tests_properties(statistics_dialog_test PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endif()

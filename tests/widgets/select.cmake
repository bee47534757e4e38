# SPDX-License-Identifier: GPL-3.0-or-later
# Widget test of the pattern selection dialog, offscreen.
if(TARGET tangram_dialogs)
    add_executable(select_dialog_test ${CMAKE_CURRENT_LIST_DIR}/select_dialog_test.cpp)
    target_link_libraries(select_dialog_test PRIVATE tangram_dialogs Qt6::Test)
    add_test(NAME select_dialog_test COMMAND select_dialog_test)
    set_tests_properties(select_dialog_test PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endif()

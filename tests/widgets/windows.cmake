# SPDX-License-Identifier: GPL-3.0-or-later
# Widget tests of the small windows (message pages, language, splash, info, rules, preview),
# offscreen.
if(TARGET tangram_dialogs)
    foreach(window yesno language splash info help preview)
        set(test windows_${window}_test)
        add_executable(${test} ${CMAKE_CURRENT_LIST_DIR}/windows_${window}.cpp
                               ${CMAKE_CURRENT_LIST_DIR}/windows_support.h)
        target_link_libraries(${test} PRIVATE tangram_dialogs Qt6::Test)
        add_test(NAME ${test} COMMAND ${test})
        set_tests_properties(${test} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
    endforeach()
    target_compile_definitions(windows_help_test PRIVATE
        WT_HELP_SOURCE="${PROJECT_SOURCE_DIR}/resources/help/KELM2.HLP"
        WT_PROGRAM_DIR="${WT_PROGRAM_DIR}")
    add_dependencies(windows_help_test help_file)
endif()

# SPDX-License-Identifier: GPL-3.0-or-later
# Unit tests of the data layer: pattern library reader, status table helpers, progress file, texts.
if(TARGET tangram_data)
    include(GoogleTest)
    add_executable(data_tests
        ${CMAKE_CURRENT_LIST_DIR}/data_support.h
        ${CMAKE_CURRENT_LIST_DIR}/data_atomicsave_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/data_gamestate_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/data_helpdocument_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/data_patternlibrary_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/data_progressfile_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/data_refusal_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/data_savefaults_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/data_texts_test.cpp
    )
    target_link_libraries(data_tests PRIVATE tangram_data GTest::gtest_main)
    target_compile_definitions(data_tests PRIVATE
        WT_HELP_SOURCE="${PROJECT_SOURCE_DIR}/resources/help/KELM2.HLP")
    gtest_discover_tests(data_tests DISCOVERY_MODE PRE_TEST)
endif()

# SPDX-License-Identifier: GPL-3.0-or-later
# The one way tests are registered. Every test program is built from its sources and linked with
# what it tests; GoogleTest programs report each case to ctest, Qt widget tests run as one test
# each on the offscreen platform (ENV adds further variables, e.g. a scale factor).
include(GoogleTest)

# wt_gtest(<name> [OWN_MAIN] SOURCES <files...> LIBS <targets...>); OWN_MAIN when a source
# brings its own main() (e.g. to create a Qt application first).
function(wt_gtest name)
    cmake_parse_arguments(arg "OWN_MAIN" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${arg_SOURCES})
    target_link_libraries(${name} PRIVATE ${arg_LIBS} GTest::gtest)
    if(NOT arg_OWN_MAIN)
        target_link_libraries(${name} PRIVATE GTest::gtest_main)
    endif()
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
                         PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# wt_qtest(<name> SOURCES <files...> LIBS <targets...> [ENV <VAR=value...>])
function(wt_qtest name)
    cmake_parse_arguments(arg "" "" "SOURCES;LIBS;ENV" ${ARGN})
    if(NOT TARGET ${name})
        add_executable(${name} ${arg_SOURCES})
        target_link_libraries(${name} PRIVATE ${arg_LIBS} Qt6::Test)
    endif()
    set(test_name ${name})
    if(arg_ENV)
        string(REPLACE "=" "_" suffix "${arg_ENV}")
        set(test_name ${name}_${suffix})
    endif()
    add_test(NAME ${test_name} COMMAND ${name})
    set_tests_properties(${test_name} PROPERTIES
                         ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${arg_ENV}")
endfunction()

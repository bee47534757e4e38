# SPDX-License-Identifier: GPL-3.0-or-later
# Pattern library tools: exact geometry, compiler, checker, solver, and the shipped library.
include(GoogleTest)
add_executable(patterns_tests
    patterns_geometry_test.cpp
    patterns_checker_test.cpp
    patterns_solver_test.cpp
    patterns_library_test.cpp
    patterns_difficulty_test.cpp
    patterns_support.h
)
target_link_libraries(patterns_tests PRIVATE tangram_patterns GTest::gtest GTest::gtest_main)
target_compile_definitions(patterns_tests PRIVATE
    WT_PATTERN_DIR="${PROJECT_SOURCE_DIR}/patterns")
set_target_properties(patterns_tests PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
gtest_discover_tests(patterns_tests DISCOVERY_TIMEOUT 60)

# SPDX-License-Identifier: GPL-3.0-or-later
include(GoogleTest)
add_executable(model_tests
    model_geometry_test.cpp
    model_grid_test.cpp
    model_puzzle_test.cpp
    model_gesture_test.cpp
    model_support.h
)
target_link_libraries(model_tests PRIVATE tangram_model GTest::gtest GTest::gtest_main)
set_target_properties(model_tests PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
gtest_discover_tests(model_tests DISCOVERY_TIMEOUT 60)

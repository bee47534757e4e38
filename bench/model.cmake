# SPDX-License-Identifier: GPL-3.0-or-later
add_executable(model_bench model_bench.cpp)
target_link_libraries(model_bench PRIVATE tangram_model benchmark::benchmark benchmark::benchmark_main)
set_target_properties(model_bench PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF
                      RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)

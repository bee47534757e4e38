# SPDX-License-Identifier: GPL-3.0-or-later
# Benchmarks of the data layer: pattern library loading and progress file save and load.
if(TARGET tangram_data)
    add_executable(data_bench ${CMAKE_CURRENT_LIST_DIR}/data_bench.cpp)
    target_link_libraries(data_bench PRIVATE tangram_data benchmark::benchmark)
    set_target_properties(data_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
endif()

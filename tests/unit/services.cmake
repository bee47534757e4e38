# SPDX-License-Identifier: GPL-3.0-or-later
# Tests of the services layer: settings store, window placement, sound clips and player, web link.
add_executable(services_tests
    ${CMAKE_CURRENT_LIST_DIR}/services_main.cpp
    ${CMAKE_CURRENT_LIST_DIR}/services_damagedsettings_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/services_placement_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/services_settings_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/services_sounds_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/services_weblink_test.cpp
)
target_link_libraries(services_tests PRIVATE tangram_services GTest::gtest)
if(TARGET gen_sounds)
    # The committed clips must be exactly what the generator makes.
    add_dependencies(services_tests gen_sounds)
    target_compile_definitions(services_tests PRIVATE WT_GEN_SOUNDS="$<TARGET_FILE:gen_sounds>")
endif()
add_test(NAME services_tests COMMAND services_tests)
set_tests_properties(services_tests PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")

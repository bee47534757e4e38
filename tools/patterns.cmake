# SPDX-License-Identifier: GPL-3.0-or-later
# The pattern library tools: the compiler/checker and solver as a library the tests link, and
# the command-line tool `patc` (which also draws contact sheets, hence QtGui).
add_library(tangram_patterns STATIC
    ${CMAKE_CURRENT_LIST_DIR}/patterns/exact.cpp
    ${CMAKE_CURRENT_LIST_DIR}/patterns/sourcefigure.cpp
    ${CMAKE_CURRENT_LIST_DIR}/patterns/sourceparser.cpp
    ${CMAKE_CURRENT_LIST_DIR}/patterns/figurecompiler.cpp
    ${CMAKE_CURRENT_LIST_DIR}/patterns/figurechecker.cpp
    ${CMAKE_CURRENT_LIST_DIR}/patterns/silhouette.cpp
    ${CMAKE_CURRENT_LIST_DIR}/patterns/convexshape.cpp
    ${CMAKE_CURRENT_LIST_DIR}/patterns/difficulty.cpp
    ${CMAKE_CURRENT_LIST_DIR}/patterns/solver.cpp
    ${CMAKE_CURRENT_LIST_DIR}/patterns/library.cpp)
target_link_libraries(tangram_patterns PUBLIC tangram_model)
target_include_directories(tangram_patterns PUBLIC ${PROJECT_SOURCE_DIR})

add_executable(patc
    ${CMAKE_CURRENT_LIST_DIR}/patterns/patc.cpp
    ${CMAKE_CURRENT_LIST_DIR}/patterns/contactsheet.cpp)
target_link_libraries(patc PRIVATE tangram_patterns Qt6::Gui)

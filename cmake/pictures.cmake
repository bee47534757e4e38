# SPDX-License-Identifier: GPL-3.0-or-later
# Scalable pictures shown by the game are turned into PNGs at build time (tools/render_svg.cpp),
# so that the running game needs neither the SVG library nor an image format plug-in.
#
#   wt_render_svg(<list var> <picture.svg> <out name> <width> <height>)
#
# adds a rule writing ${CMAKE_CURRENT_BINARY_DIR}/pictures/<out name> and appends its path to the
# list, to hand to qt_add_resources with BASE ${CMAKE_CURRENT_BINARY_DIR}/pictures.
function(wt_render_svg list svg name width height)
    set(out ${CMAKE_CURRENT_BINARY_DIR}/pictures/${name})
    add_custom_command(OUTPUT ${out}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/pictures
        COMMAND render_svg ${svg} ${out} ${width} ${height}
        DEPENDS render_svg ${svg}
        COMMENT "Rendering ${name}"
        VERBATIM)
    set(${list} ${${list}} ${out} PARENT_SCOPE)
endfunction()

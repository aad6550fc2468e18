# SPDX-License-Identifier: GPL-3.0-or-later
# The pictures are drawn as SVG in pictures/ and rendered at build time. The toolbar
# pictures, the application icon, the About picture and the skin's arrow are compiled into
# the program as resources (":/pictures/NAME.png", with a NAME@2x.png for high-density
# screens); plus.jpg and loading.jpg lie in the program's folder.
set(PICTURES_SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/pictures)
set(PICTURES_BUILD ${CMAKE_CURRENT_BINARY_DIR}/pictures)
file(MAKE_DIRECTORY ${PICTURES_BUILD})

# Renders pictures/NAME.svg at WIDTH x HEIGHT pixels into OUTPUT.
function(klevar_render_picture name width height output)
    add_custom_command(
        OUTPUT ${output}
        COMMAND ${RSVG_PROGRAM} --width ${width} --height ${height} --output ${output}
                ${PICTURES_SOURCE}/${name}.svg
        DEPENDS ${PICTURES_SOURCE}/${name}.svg
        VERBATIM)
endfunction()

# name, width, height at the normal density
set(PICTURE_RESOURCE_SIZES
    addfiles 32 32
    removefile 32 32
    clearall 32 32
    convertnow 32 32
    clip 32 32
    watermark 32 32
    options 32 32
    klevar 128 128
    about 160 190
    arrow-down 10 6)

set(PICTURE_RESOURCES)
while(PICTURE_RESOURCE_SIZES)
    list(POP_FRONT PICTURE_RESOURCE_SIZES name width height)
    math(EXPR width2 "${width} * 2")
    math(EXPR height2 "${height} * 2")
    klevar_render_picture(${name} ${width} ${height} ${PICTURES_BUILD}/${name}.png)
    klevar_render_picture(${name} ${width2} ${height2} ${PICTURES_BUILD}/${name}@2x.png)
    list(APPEND PICTURE_RESOURCES ${PICTURES_BUILD}/${name}.png ${PICTURES_BUILD}/${name}@2x.png)
endwhile()
set_source_files_properties(${PICTURE_RESOURCES} PROPERTIES GENERATED TRUE)

# The resource compiler's step depends on the rendered files, so they are rendered first.
qt_add_resources(klevar_core "pictures"
    PREFIX "/pictures"
    BASE ${PICTURES_BUILD}
    FILES ${PICTURE_RESOURCES})

# The two JPEG pictures the program reads beside itself, encoded by the encoder program.
foreach(entry plus:200:150 loading:240:180)
    string(REPLACE ":" ";" entry ${entry})
    list(GET entry 0 name)
    list(GET entry 1 width)
    list(GET entry 2 height)
    klevar_render_picture(${name} ${width} ${height} ${PICTURES_BUILD}/${name}.png)
    add_custom_command(
        OUTPUT ${PROGRAM_FOLDER}/${name}.jpg
        COMMAND ${FFMPEG_PROGRAM} -y -loglevel error -i ${PICTURES_BUILD}/${name}.png
                -frames:v 1 -update 1 -q:v 2 ${PROGRAM_FOLDER}/${name}.jpg
        DEPENDS ${PICTURES_BUILD}/${name}.png
        COMMENT "Encoding ${name}.jpg"
        VERBATIM)
    list(APPEND PROGRAM_FOLDER_FILES ${PROGRAM_FOLDER}/${name}.jpg)
endforeach()

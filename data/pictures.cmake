# Pictures the windows show from the program's folder, drawn as SVG in data/pictures/.
# plus.jpg: the clip editor's placeholder where the watermark's thumbnail goes.
foreach(picture plus)
    set(source ${CMAKE_CURRENT_SOURCE_DIR}/pictures/${picture}.svg)
    set(drawn ${CMAKE_CURRENT_BINARY_DIR}/${picture}.png)
    add_custom_command(
        OUTPUT ${PROGRAM_FOLDER}/${picture}.jpg
        COMMAND ${RSVG_PROGRAM} -o ${drawn} ${source}
        COMMAND ${FFMPEG_PROGRAM} -hide_banner -loglevel error -y -i ${drawn}
                -pix_fmt yuvj444p -q:v 2 ${PROGRAM_FOLDER}/${picture}.jpg
        DEPENDS ${source}
        COMMENT "Drawing ${picture}.jpg"
        VERBATIM)
    list(APPEND PROGRAM_FOLDER_FILES ${PROGRAM_FOLDER}/${picture}.jpg)
endforeach()

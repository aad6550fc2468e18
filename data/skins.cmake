# SPDX-License-Identifier: GPL-3.0-or-later
if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/skins/frmmain.skn)
    add_custom_command(
        OUTPUT ${PROGRAM_FOLDER}/skins/frmmain.skn
        COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/skins/frmmain.skn
                ${PROGRAM_FOLDER}/skins/frmmain.skn
        DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/skins/frmmain.skn
        VERBATIM)
    list(APPEND PROGRAM_FOLDER_FILES ${PROGRAM_FOLDER}/skins/frmmain.skn)
endif()

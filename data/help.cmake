# SPDX-License-Identifier: GPL-3.0-or-later
# help.chm is compiled from the HTML pages in help/ at build time. The compiler reads the
# pages beside the project file and writes the result into its current folder; the result
# is copied into the program's folder only when the compiler succeeded.
file(GLOB HELP_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/help/*)
set(HELP_BUILD ${CMAKE_CURRENT_BINARY_DIR}/help)
file(MAKE_DIRECTORY ${HELP_BUILD})

add_custom_command(
    OUTPUT ${PROGRAM_FOLDER}/help.chm
    COMMAND ${CMAKE_COMMAND} -E rm -f ${HELP_BUILD}/help.chm
    COMMAND ${CHMCMD_PROGRAM} --verbosity 0 ${CMAKE_CURRENT_SOURCE_DIR}/help/klevar.hhp
    COMMAND ${CMAKE_COMMAND} -E copy ${HELP_BUILD}/help.chm ${PROGRAM_FOLDER}/help.chm
    WORKING_DIRECTORY ${HELP_BUILD}
    DEPENDS ${HELP_SOURCES}
    COMMENT "Compiling the help file help.chm"
    VERBATIM)
list(APPEND PROGRAM_FOLDER_FILES ${PROGRAM_FOLDER}/help.chm)

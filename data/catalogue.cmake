# SPDX-License-Identifier: GPL-3.0-or-later
# ct.s3db is made from its text source, so every change to the catalogue is a diff.
if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/catalogue.sql)
    add_custom_command(
        OUTPUT ${PROGRAM_FOLDER}/ct.s3db
        COMMAND ${CMAKE_COMMAND} -E rm -f ${PROGRAM_FOLDER}/ct.s3db.tmp
        COMMAND ${SQLITE3_PROGRAM} -bail ${PROGRAM_FOLDER}/ct.s3db.tmp
                ".read ${CMAKE_CURRENT_SOURCE_DIR}/catalogue.sql"
        COMMAND ${CMAKE_COMMAND} -E rename ${PROGRAM_FOLDER}/ct.s3db.tmp ${PROGRAM_FOLDER}/ct.s3db
        DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/catalogue.sql
        COMMENT "Building the profile catalogue ct.s3db"
        VERBATIM)
    list(APPEND PROGRAM_FOLDER_FILES ${PROGRAM_FOLDER}/ct.s3db)
endif()

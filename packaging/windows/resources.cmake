# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Brasti developers
# The program's icon and version as Windows shows them (Explorer, the task
# bar, the setup's shortcuts), compiled into brasti.exe. The icon is made at
# build time from the same drawing the Linux desktop shows.
find_program(BRASTI_RSVG rsvg-convert REQUIRED)
find_program(BRASTI_ICOTOOL icotool REQUIRED)
set(BRASTI_ICO ${CMAKE_CURRENT_BINARY_DIR}/brasti.ico)
set(BRASTI_ICON_SIZES 16 24 32 48 64 256)
set(BRASTI_ICON_PNGS)
set(BRASTI_ICON_COMMANDS)
foreach(size ${BRASTI_ICON_SIZES})
    set(png ${CMAKE_CURRENT_BINARY_DIR}/icon/brasti-${size}.png)
    list(APPEND BRASTI_ICON_PNGS ${png})
    list(APPEND BRASTI_ICON_COMMANDS COMMAND ${BRASTI_RSVG} -w ${size} -h ${size}
        -o ${png} ${PROJECT_SOURCE_DIR}/packaging/${BRASTI_APP_ID}.svg)
endforeach()
add_custom_command(OUTPUT ${BRASTI_ICO}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icon
    ${BRASTI_ICON_COMMANDS}
    COMMAND ${BRASTI_ICOTOOL} -c -o ${BRASTI_ICO} ${BRASTI_ICON_PNGS}
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${BRASTI_APP_ID}.svg
    VERBATIM)
configure_file(${CMAKE_CURRENT_LIST_DIR}/brasti.rc.in ${CMAKE_CURRENT_BINARY_DIR}/brasti.rc @ONLY)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/brasti.rc PROPERTIES OBJECT_DEPENDS ${BRASTI_ICO})
target_sources(brasti PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/brasti.rc)

# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Brasti developers
# The program for the browser and the folder a web server serves: the page,
# its loader, brasti.js and brasti.wasm, the sounds in suoni/ beside them (a
# school replaces them as on the desktop), the icons, the manifest that lets
# a tablet install it, and the service worker that keeps it for offline use.
#
# The page's Content-Security-Policy allows no code made from text. A first
# visit downloads the whole program, so the link's wasm-opt works for size
# (-Oz) rather than speed, and the loader carries nothing for other places
# than a browser's page. The web bench links its programs the same way.
set(BRASTI_WEB_LINK_OPTIONS "SHELL:-s DYNAMIC_EXECUTION=0" -Oz "SHELL:-s ENVIRONMENT=web")
qt_add_executable(brasti ${PROJECT_SOURCE_DIR}/app/main.cpp)
target_link_libraries(brasti PRIVATE brasti_core)
target_link_options(brasti PRIVATE ${BRASTI_WEB_LINK_OPTIONS})

# The browser has no fonts of the system's to offer: Liberation Sans, which
# the desktop draws for Arial, comes inside the program.
set(BRASTI_FONT_DIR /usr/share/fonts/truetype/liberation)
qt_add_resources(brasti_core brasti_fonts PREFIX /fonts BASE ${BRASTI_FONT_DIR}
    FILES ${BRASTI_FONT_DIR}/LiberationSans-Regular.ttf ${BRASTI_FONT_DIR}/LiberationSans-Bold.ttf)

find_program(BRASTI_RSVG rsvg-convert REQUIRED)
find_program(BRASTI_ZOPFLI zopfli REQUIRED)
find_program(BRASTI_BROTLI brotli REQUIRED)
set(BRASTI_SITE ${PROJECT_BINARY_DIR}/site)
set(BRASTI_WEB_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/index.html.in ${CMAKE_CURRENT_LIST_DIR}/brasti-avvio.js
    ${CMAKE_CURRENT_LIST_DIR}/brasti.css ${CMAKE_CURRENT_LIST_DIR}/sw.js.in
    ${CMAKE_CURRENT_LIST_DIR}/manifest.webmanifest.in ${CMAKE_CURRENT_LIST_DIR}/site.cmake
    ${CMAKE_CURRENT_LIST_DIR}/compress.cmake)
add_custom_command(TARGET brasti POST_BUILD
    COMMAND ${CMAKE_COMMAND} -DSITE=${BRASTI_SITE} -DSOURCE=${PROJECT_SOURCE_DIR}
            -DPROGRAM_DIR=$<TARGET_FILE_DIR:brasti> -DVERSION=${PROJECT_VERSION}
            -DRSVG=${BRASTI_RSVG} -DAPP_ID=${BRASTI_APP_ID}
            -DZOPFLI=${BRASTI_ZOPFLI} -DBROTLI=${BRASTI_BROTLI}
            -P ${CMAKE_CURRENT_LIST_DIR}/site.cmake
    VERBATIM)
# The page and its parts are copied again whenever they change.
set_property(TARGET brasti APPEND PROPERTY LINK_DEPENDS ${BRASTI_WEB_SOURCES})

# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Brasti developers
# Lays out the web folder from the built program (run after each link).
file(REMOVE_RECURSE ${SITE})
file(MAKE_DIRECTORY ${SITE}/suoni ${SITE}/icone)
file(COPY ${PROGRAM_DIR}/brasti.js ${PROGRAM_DIR}/brasti.wasm DESTINATION ${SITE})
file(GLOB sounds ${SOURCE}/assets/suoni/*.wav)
file(COPY ${sounds} DESTINATION ${SITE}/suoni)
file(COPY ${SOURCE}/packaging/web/brasti-avvio.js ${SOURCE}/packaging/web/brasti.css DESTINATION ${SITE})
file(COPY ${SOURCE}/packaging/${APP_ID}.svg DESTINATION ${SITE}/icone)
file(RENAME ${SITE}/icone/${APP_ID}.svg ${SITE}/icone/brasti.svg)
foreach(size 180 192 512)
    execute_process(COMMAND ${RSVG} -w ${size} -h ${size} -o ${SITE}/icone/brasti-${size}.png
                            ${SOURCE}/packaging/${APP_ID}.svg
                    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
configure_file(${SOURCE}/packaging/web/index.html.in ${SITE}/index.html @ONLY)
# One manifest per language the page speaks; the page links the one of its
# language (brasti-avvio.js), Italian's until it knows.
set(descriptions
    "it|Matematica con i brasti, i regoli colorati, per i primi anni della scuola primaria"
    "en|Maths with coloured number rods, for the first years of primary school"
    "es|Matemáticas con regletas de colores, para los primeros años de la escuela primaria"
    "fr|Les mathématiques avec les réglettes de couleur, pour les premières années de l’école primaire"
    "pt|Matemática com barras coloridas, para os primeiros anos do ensino fundamental")
foreach(entry ${descriptions})
    string(REPLACE "|" ";" entry "${entry}")
    list(GET entry 0 LANGUAGE)
    list(GET entry 1 DESCRIPTION)
    configure_file(${SOURCE}/packaging/web/manifest.webmanifest.in ${SITE}/manifest-${LANGUAGE}.webmanifest @ONLY)
endforeach()

# The service worker keeps every file of the folder; its cache is named by the
# version and by what the files hold, so any change on the server replaces
# the cached copy on the next visit with the network.
file(GLOB_RECURSE files RELATIVE ${SITE} ${SITE}/*)
list(SORT files)
set(digest "")
set(BRASTI_FILES "")
foreach(f ${files})
    file(SHA256 ${SITE}/${f} sum)
    string(APPEND digest "${f} ${sum}\n")
    string(APPEND BRASTI_FILES "    './${f}',\n")
endforeach()
string(SHA256 digest "${digest}")
string(SUBSTRING ${digest} 0 12 digest)
set(BRASTI_CACHE_NAME "brasti-${VERSION}-${digest}")
configure_file(${SOURCE}/packaging/web/sw.js.in ${SITE}/sw.js @ONLY)

# The copies a server sends compressed, made last: the worker keeps the
# files as the browser reads them, not the copies.
set(FOLDER ${SITE})
include(${SOURCE}/packaging/web/compress.cmake)

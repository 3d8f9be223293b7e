# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Brasti developers
# Lays compressed copies beside the files of a web folder, NAME.gz and
# NAME.br, for a server to send as they are to a browser that takes them
# (nginx's gzip_static and brotli_static, the Apache rules in the README,
# tests/web/serve.py). The originals stay for servers that do not choose.
#
#   cmake -DFOLDER=... -DZOPFLI=... -DBROTLI=... -P compress.cmake
#
# Only what compresses well: the code, the page and its text files; the
# sounds and the icons are compressed already. A copy no smaller than its
# file is not kept.
file(GLOB_RECURSE files LIST_DIRECTORIES false ${FOLDER}/*)
list(FILTER files INCLUDE REGEX "\\.(wasm|js|html|css|webmanifest|svg)$")
foreach(file ${files})
    # zopfli's gzip is some 4 % smaller than gzip -9's, and one iteration
    # gives nearly all of it in a third of the default's time. Brotli's
    # largest window (16 MiB, which every browser reads) holds the whole .wasm.
    execute_process(COMMAND ${ZOPFLI} --i1 --gzip -c ${file} OUTPUT_FILE ${file}.gz COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND ${BROTLI} --best --lgwin=24 --force --output=${file}.br ${file}
                    COMMAND_ERROR_IS_FATAL ANY)
    file(SIZE ${file} plain)
    foreach(copy ${file}.gz ${file}.br)
        file(SIZE ${copy} packed)
        if(NOT packed LESS plain)
            file(REMOVE ${copy})
        endif()
    endforeach()
endforeach()

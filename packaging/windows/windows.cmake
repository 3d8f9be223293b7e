# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Brasti developers
# What a Windows installation holds besides the program, its module and its
# sounds: Qt's libraries and plugins, MinGW's runtime, Qt's own texts in
# the program's languages, the licence. Everything lies in one folder, found from the program's
# own, so the folder works wherever it is put (the setup's choice, a zip
# unpacked on a memory stick). Included by the top-level CMakeLists.txt.

set(BRASTI_WINDOWS_DIR ${CMAKE_CURRENT_LIST_DIR})

install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets> DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION plugins/platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION plugins/styles)
# Qt looks for its plugins and translations where qt.conf says, beside the program.
install(FILES ${BRASTI_WINDOWS_DIR}/qt.conf DESTINATION .)

# MinGW's runtime, as the compiler that built everything links it.
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
        OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
        # libwinpthread lies with the target's libraries, not the compiler's.
        find_file(path NAMES ${dll} PATHS /usr/${BRASTI_MINGW_PREFIX}/lib NO_DEFAULT_PATH NO_CACHE)
    endif()
    if(NOT path)
        message(FATAL_ERROR "MinGW's ${dll} was not found")
    endif()
    install(FILES ${path} DESTINATION .)
    unset(path)
endforeach()

# Qt's own texts (standard buttons, a text box's menu) in Italian and in
# each language the program has a translation for, so that none of them
# falls back to Qt's English. They are data, the same on every platform:
# Debian's copies serve.
set(BRASTI_QT_LANGUAGES it)
foreach(ts ${BRASTI_TS_FILES})
    get_filename_component(ts_name ${ts} NAME_WE)
    string(REGEX REPLACE "^brasti_" "" ts_language ${ts_name})
    list(APPEND BRASTI_QT_LANGUAGES ${ts_language})
endforeach()
foreach(language ${BRASTI_QT_LANGUAGES})
    # The language's own, else its country's: Qt has Portuguese only as
    # qtbase_pt_BR.qm, which the program looks for by the language's country.
    file(GLOB qtbase_files /usr/share/qt6/translations/qtbase_${language}.qm
                           /usr/share/qt6/translations/qtbase_${language}_*.qm)
    if(qtbase_files)
        list(GET qtbase_files 0 qtbase_file)
        install(FILES ${qtbase_file} DESTINATION translations)
    endif()
endforeach()

# The licence the setup shows and installs: whichever the tree holds.
if(EXISTS ${PROJECT_SOURCE_DIR}/COPYING)
    set(BRASTI_LICENCE_FILE ${PROJECT_SOURCE_DIR}/COPYING)
else()
    set(BRASTI_LICENCE_FILE ${PROJECT_SOURCE_DIR}/packaging/copyright)
endif()
install(FILES ${BRASTI_LICENCE_FILE} DESTINATION . RENAME LICENZA.txt)

# `cmake --build <dir> --target setup`: the setup program and the zip of the
# same folder, in the build folder.
find_program(BRASTI_MAKENSIS makensis)
add_custom_target(setup
    COMMAND ${CMAKE_COMMAND}
        -D BUILD=${PROJECT_BINARY_DIR}
        -D NSIS_SCRIPT=${BRASTI_WINDOWS_DIR}/brasti.nsi
        -D MAKENSIS=${BRASTI_MAKENSIS}
        -D VERSION=${PROJECT_VERSION}
        -D APP_ID=${BRASTI_APP_ID}
        -D LICENCE=${BRASTI_LICENCE_FILE}
        -P ${BRASTI_WINDOWS_DIR}/makesetup.cmake
    DEPENDS brasti brasti_sound
    USES_TERMINAL
    VERBATIM)

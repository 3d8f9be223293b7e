# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Brasti developers
# Makes the Windows setup program and the zip of the same folder, from a
# fresh installation of the build into a staging folder. Run by the build's
# `setup` target:  cmake -D BUILD=... -D NSIS_SCRIPT=... -D MAKENSIS=...
#                        -D VERSION=... -D APP_ID=... -D LICENCE=... -P makesetup.cmake
foreach(var BUILD NSIS_SCRIPT MAKENSIS VERSION APP_ID LICENCE)
    if(NOT DEFINED ${var} OR "${${var}}" STREQUAL "")
        message(FATAL_ERROR "makesetup.cmake needs ${var}")
    endif()
endforeach()

set(stage ${BUILD}/stage/Brasti)
file(REMOVE_RECURSE ${BUILD}/stage)
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${stage} --strip
    COMMAND_ERROR_IS_FATAL ANY)

# The uninstaller removes exactly what the setup put there, so the lists of
# both come from the same staged folder; folders go deepest first, and only
# when empty, so nothing a user put there is lost.
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${stage} ${stage}/*)
list(SORT files)
set(install_lines "")
set(uninstall_lines "")
set(folders "")
set(last_folder "-")
foreach(file ${files})
    get_filename_component(folder "${file}" DIRECTORY)
    string(REPLACE "/" "\\" wfolder "${folder}")
    string(REPLACE "/" "\\" wfile "${file}")
    if(NOT folder STREQUAL last_folder)
        if(folder STREQUAL "")
            string(APPEND install_lines "SetOutPath \"$INSTDIR\"\n")
        else()
            string(APPEND install_lines "SetOutPath \"$INSTDIR\\${wfolder}\"\n")
            list(APPEND folders "${folder}")
        endif()
        set(last_folder "${folder}")
    endif()
    string(APPEND install_lines "File \"${stage}/${file}\"\n")
    string(APPEND uninstall_lines "Delete \"$INSTDIR\\${wfile}\"\n")
endforeach()
# Parent folders too (plugins for plugins/platforms), then deepest first.
set(all_folders "")
foreach(folder ${folders})
    while(NOT folder STREQUAL "")
        list(APPEND all_folders "${folder}")
        get_filename_component(folder "${folder}" DIRECTORY)
    endwhile()
endforeach()
list(REMOVE_DUPLICATES all_folders)
list(SORT all_folders)
list(REVERSE all_folders)
foreach(folder ${all_folders})
    string(REPLACE "/" "\\" wfolder "${folder}")
    string(APPEND uninstall_lines "RMDir \"$INSTDIR\\${wfolder}\"\n")
endforeach()
file(WRITE ${BUILD}/stage/install-files.nsh "${install_lines}")
file(WRITE ${BUILD}/stage/uninstall-files.nsh "${uninstall_lines}")

# The size Windows shows in its list of programs, in kB.
set(bytes 0)
foreach(file ${files})
    file(SIZE ${stage}/${file} size)
    math(EXPR bytes "${bytes} + ${size}")
endforeach()
math(EXPR kb "(${bytes} + 1023) / 1024")

set(setup ${BUILD}/Brasti-${VERSION}-setup.exe)
execute_process(COMMAND ${MAKENSIS} -V2 -INPUTCHARSET UTF8
        -DVERSION=${VERSION} -DAPP_ID=${APP_ID} -DLICENCE=${LICENCE} -DSIZE_KB=${kb}
        -DINSTALL_FILES=${BUILD}/stage/install-files.nsh
        -DUNINSTALL_FILES=${BUILD}/stage/uninstall-files.nsh
        -DOUTFILE=${setup} ${NSIS_SCRIPT}
    COMMAND_ERROR_IS_FATAL ANY)

# For machines where nothing may be installed: the same folder, zipped.
set(zip ${BUILD}/Brasti-${VERSION}-windows.zip)
file(REMOVE ${zip})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip Brasti
    WORKING_DIRECTORY ${BUILD}/stage COMMAND_ERROR_IS_FATAL ANY)
message(STATUS "Setup: ${setup}")
message(STATUS "Zip: ${zip}")

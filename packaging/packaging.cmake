# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Brasti developers
# What the program installs besides itself and its sounds (desktop entry,
# icon, AppStream metadata, manual page, copyright and changelog), and the
# Debian package that `make package` builds from it. Included by the
# top-level CMakeLists.txt, after GNUInstallDirs.

set(BRASTI_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})

# Installed folders are 0755 whatever the builder's umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(FILES ${BRASTI_PACKAGING_DIR}/${BRASTI_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${BRASTI_PACKAGING_DIR}/${BRASTI_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${BRASTI_PACKAGING_DIR}/${BRASTI_APP_ID}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Debian wants the changelog and the manual page compressed, without a time
# stamp in the gzip header so that the package is reproducible.
set(BRASTI_GZIPPED)
foreach(doc changelog brasti.1)
    set(out ${CMAKE_CURRENT_BINARY_DIR}/packaging/${doc}.gz)
    add_custom_command(OUTPUT ${out}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/packaging
        COMMAND sh -c "gzip -9 -n -c \"$1\" > \"$2\"" sh ${BRASTI_PACKAGING_DIR}/${doc} ${out}
        DEPENDS ${BRASTI_PACKAGING_DIR}/${doc}
        VERBATIM)
    list(APPEND BRASTI_GZIPPED ${out})
endforeach()
add_custom_target(brasti_docs ALL DEPENDS ${BRASTI_GZIPPED})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz ${BRASTI_PACKAGING_DIR}/copyright
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/brasti)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/brasti.1.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The Debian package: `make package`, or cpack in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brasti)
set(CPACK_PACKAGE_VENDOR "Squadra Brasti")
set(CPACK_PACKAGE_CONTACT "Squadra Brasti <brasti@example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "maths exercises with coloured number rods")
# The synopsis is the summary above; CPack indents these lines under it,
# and a lone "." stands for a blank line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Brasti is a maths trainer for children in the first years of primary
school, with an Italian interface. The child drags ten coloured number
rods into slots, boxes and bars, clicks them and types numbers.
.
A menu of 27 exercises covers ordering and comparing rods, rods and
numbers up to 20, composing numbers, sums and differences, and written
additions and subtractions within 10 and within 20.")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://brasti.example.org")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The screens are laid out for Arial's measures; Liberation Sans has them.
# The voice's plugin is loaded by name at run time, so the library scan
# never finds it; without it the program stays silent.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-speech-speechd-plugin")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, speech-dispatcher-espeak-ng")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)

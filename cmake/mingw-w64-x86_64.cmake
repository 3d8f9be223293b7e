# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Brasti developers
# Cross-building for 64-bit Windows with Debian's MinGW-w64 (the posix thread
# model, which std::thread needs). Used for Qt's own build and for Brasti's.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(BRASTI_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${BRASTI_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${BRASTI_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${BRASTI_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${BRASTI_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Wine runs the test programs when CTest or a custom command asks for one.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)

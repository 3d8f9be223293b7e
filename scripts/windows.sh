#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Brasti developers
# The Windows build, on this Debian machine, from Debian's packages alone.
#
#   scripts/windows.sh build   the setup program and the zip (make windows)
#   scripts/windows.sh test    the same, then the suite under Wine (make test-windows)
#   scripts/windows.sh bench   start-up and memory under Wine against a bare window (make bench-windows)
#
#   BUILD_WINDOWS   the build folder (default build-windows)
#   BRASTI_CACHE    where Qt's cross-build is kept (default ~/.cache/brasti)
set -euo pipefail
cd "$(dirname "$0")/.."
what=${1:-build}
build=${BUILD_WINDOWS:-build-windows}

bash scripts/setup.sh --windows
qt=$(bash scripts/qt-windows.sh | tail -n 1)

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Qt's toolchain file carries the host tools' path and Qt's own prefix; it
# chains to the project's MinGW toolchain file.
cmake -S . -B "$build" -G Ninja "${launcher[@]}" \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DBRASTI_WERROR=ON
case "$what" in
build)
    cmake --build "$build" --target brasti brasti_sound
    cmake --build "$build" --target setup
    ;;
test)
    cmake --build "$build"
    cmake --build "$build" --target setup
    bash tests/windows/run.sh "$build" "$qt"
    ;;
bench)
    cmake --build "$build" --target brasti_probe brasti_bare
    bash tests/windows/bench.sh "$build" "$qt"
    ;;
*)
    echo "usage: $0 build|test|bench" >&2
    exit 2
    ;;
esac

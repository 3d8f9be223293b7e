#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Brasti developers
# The web build, on this Debian machine, from Debian's packages alone.
#
#   scripts/web.sh build   the site folder, build-web/site (make web)
#   scripts/web.sh test    the same, then the tests under Node and in Chromium (make test-web)
#   scripts/web.sh serve   the site on 127.0.0.1 for a teacher to try (make serve-web)
#   scripts/web.sh bench   the page against a bare Qt window built the same way (make bench-web)
#
#   BUILD_WEB      the build folder (default build-web)
#   BRASTI_CACHE   where Qt's web build is kept (default ~/.cache/brasti)
#   PORT           the port serve listens on (default 8080)
set -euo pipefail
cd "$(dirname "$0")/.."
what=${1:-build}
build=${BUILD_WEB:-build-web}

bash scripts/setup.sh --web
source scripts/web-env.sh
qt=$(bash scripts/qt-web.sh | tail -n 1)

# A build folder made against another Qt build starts afresh: CMake keeps
# the toolchain and Qt's folders it found the first time.
if [ -f "$build/CMakeCache.txt" ] && ! grep -q "^Qt6_DIR:.*=$qt/" "$build/CMakeCache.txt"; then
    rm -rf "$build"
fi
# The toolchain file of Qt's web build carries emscripten's and the host tools'.
cmake -S . -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DBRASTI_WERROR=ON
case "$what" in
build)
    cmake --build "$build" --target brasti
    ;;
test)
    cmake --build "$build"
    (cd "$build" && ctest --output-on-failure)
    /usr/bin/python3 tests/web/play.py "$build/site" "$build/robustness-site"
    ;;
serve)
    cmake --build "$build" --target brasti
    echo "Brasti: http://127.0.0.1:${PORT:-8080}/ (Ctrl+C ends it)"
    exec /usr/bin/python3 tests/web/serve.py "$build/site" "${PORT:-8080}"
    ;;
bench)
    cmake --build "$build" --target brasti_web_probe brasti_web_bare
    /usr/bin/python3 tests/web/bench.py "$build/bench/web/probe" "$build/bench/web/bare"
    ;;
*)
    echo "usage: $0 build|test|serve|bench" >&2
    exit 2
    ;;
esac

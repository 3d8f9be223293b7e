#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Brasti developers
# Builds Qt's base module for WebAssembly from Debian's own source package
# with Debian's emscripten, once, into the same cache folder as the Windows
# build. Later runs find it there and return at once. Prints the Qt prefix on
# its last line; scripts/web-env.sh sets up the environment it is used in.
#
#   BRASTI_CACHE   where the build is kept (default ~/.cache/brasti)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
source "$here/scripts/web-env.sh"
source "$here/scripts/qt-features.sh"

cache=${BRASTI_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/brasti}
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev | sed 's/+.*//')
em_version=$(dpkg-query -W -f='${Version}' emscripten | sed 's/~.*//')

# Only what Brasti uses: Core, Gui, Widgets and Test, statically, without
# threads or loadable libraries (no cross-origin isolation is needed to serve it). The libraries the
# browser has no use for are off; zlib, libpng, FreeType, HarfBuzz and PCRE2
# come from Qt's own source, as emscripten's ports would be downloaded.
configure=(
    -platform wasm-emscripten -qt-host-path /usr -static -release
    -nomake examples -nomake tests -no-feature-thread -no-dbus
    -no-feature-sql -no-feature-network -no-feature-xml -no-feature-concurrent -no-feature-printsupport
    -qt-zlib -qt-libpng -no-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre
    -no-feature-zstd -no-feature-brotli -no-icu -no-glib -no-fontconfig
    # Nothing is loaded at run time in a browser: with this on, the first
    # Thai letter laid out asks for libthai and aborts the page.
    -no-feature-library
    # A first visit downloads all of it: Qt's code is compiled for size.
    -optimize-size
)
# Besides the parts neither build uses (scripts/qt-features.sh).
features=("${qt_unused_formats[@]}" "${qt_unused_widgets[@]}")
key=$(printf '%s\n' "$qt_version" "$em_version" "${configure[@]}" "${features[@]}" | sha256sum | cut -c1-10)
prefix=$cache/qt-$qt_version-wasm-em$em_version-$key
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

work=$cache/work-web
mkdir -p "$work"
src=$work/qtbase-everywhere-src-$qt_version
if [ ! -d "$src" ]; then
    (cd "$work" && apt-get source --download-only "qt6-base=$(dpkg-query -W -f='${Version}' qt6-base-dev)")
    tar -C "$work" -xf "$work"/qt6-base_*.orig.tar.xz
fi

mkdir -p "$work/build"
rm -f "$work/build/CMakeCache.txt"
(cd "$work/build" && "$src/configure" -prefix "$prefix" "${configure[@]}" -- \
    -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake "${features[@]}")
cmake --build "$work/build" -j "$(nproc)"
cmake --install "$work/build"
touch "$prefix/.complete"
rm -rf "$work"
echo "$prefix"

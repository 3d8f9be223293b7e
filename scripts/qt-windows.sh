#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Brasti developers
# Cross-builds Qt's base module for 64-bit Windows from Debian's own source
# package, once, into a cache folder outside the repository. Later runs find
# it there and return at once. Prints the Qt prefix on its last line.
#
#   BRASTI_CACHE   where the build is kept (default ~/.cache/brasti)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
source "$here/scripts/qt-features.sh"

cache=${BRASTI_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/brasti}
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev | sed 's/+.*//')
gcc_version=$(x86_64-w64-mingw32-g++-posix -dumpfullversion)

# Only what Brasti uses: Core, Gui, Widgets and Test, the Windows, offscreen
# and minimal platforms, the Windows styles (scripts/qt-features.sh has the
# parts the web build leaves out too). Everything else is off to keep
# a build on a fresh machine short. Debian's repacked source has no wintab
# header (pen tablets off); OpenGL is switched off through its input, which
# also turns the dynamic GL loader off.
features=(
    -DINPUT_opengl=no -DFEATURE_tabletevent=OFF
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_xml=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_printsupport=OFF -DFEATURE_vulkan=OFF
    -DFEATURE_direct2d=OFF -DFEATURE_harfbuzz=OFF
    # Qt 6.4 builds its DirectWrite font database only with Direct2D, yet the
    # Windows platform asks for it whenever DirectWrite 3 is on.
    -DFEATURE_directwrite3=OFF
    "${qt_unused_formats[@]}"
    -DFEATURE_zstd=OFF
    "${qt_unused_widgets[@]}"
)
key=$(printf '%s\n' "$qt_version" "$gcc_version" "${features[@]}" | sha256sum | cut -c1-10)
prefix=$cache/qt-$qt_version-mingw-gcc$gcc_version-$key
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

# One work folder, whatever the features: a change of them rebuilds only
# what it touches.
work=$cache/work
mkdir -p "$work"
src=$work/qtbase-everywhere-src-$qt_version
if [ ! -d "$src" ]; then
    (cd "$work" && apt-get source --download-only "qt6-base=$(dpkg-query -W -f='${Version}' qt6-base-dev)")
    tar -C "$work" -xf "$work"/qt6-base_*.orig.tar.xz
fi

# The toolchain lives with the build, so the cache outlives any clone.
mkdir -p "$prefix"
cp "$here/cmake/mingw-w64-x86_64.cmake" "$prefix/mingw-w64-x86_64.cmake"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Configured afresh each time: features left out of an earlier run's cache
# would otherwise stay as they were. The objects stay for ninja and ccache.
rm -f "$work/build/CMakeCache.txt"
cmake -S "$src" -B "$work/build" -G Ninja "${launcher[@]}" \
    -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64-x86_64.cmake" \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    "${features[@]}"
cmake --build "$work/build" -j "$(nproc)"
cmake --install "$work/build"
touch "$prefix/.complete"
rm -rf "$work"
echo "$prefix"

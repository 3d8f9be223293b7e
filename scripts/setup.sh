#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Brasti developers
# Installs the Debian packages the project needs, and only those that are missing.
# Idempotent: a machine that has everything runs no apt command at all.
set -euo pipefail

# qt6-tools-dev has CMake's translation functions, qt6-l10n-tools the
# lupdate and lrelease they run.
packages=(cmake g++ make ccache qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libpulse-dev libgl-dev
          fonts-liberation
          # The program's voice: Qt's module (whose CMake files ask for
          # qt6-declarative-dev), its speech-dispatcher plugin and a voice.
          qt6-speech-dev qt6-declarative-dev qt6-speech-speechd-plugin speech-dispatcher speech-dispatcher-espeak-ng
          espeak-ng)
# The Windows build: MinGW-w64 cross compilers, ninja for Qt's own build, the
# icon tools, NSIS for the setup program, Wine and a bare X server to run and
# test the result, an audio server to hear it through Wine; dpkg-dev for
# `apt-get source`, which fetches Qt's source package.
windows=(g++-mingw-w64-x86-64-posix ninja-build librsvg2-bin icoutils nsis wine wine64 xvfb xauth xdotool
         x11-apps pulseaudio pulseaudio-utils dpkg-dev python3)
# The web build: Debian's emscripten and its optimiser, Node to run the
# Qt-free tests, ninja for Qt's own build, Chromium and a DevTools client to
# play the page headless, Python's own web server for `make serve-web`, the
# icon renderer for the page's icons, the font drawn for Arial, and the
# compressors of the copies a server sends instead of the files.
web=(emscripten binaryen nodejs ninja-build chromium python3-websocket dpkg-dev python3 xz-utils librsvg2-bin
     fonts-liberation zopfli brotli)
if [ "${1:-}" = "--windows" ]; then
    packages+=("${windows[@]}")
elif [ "${1:-}" = "--web" ]; then
    packages+=("${web[@]}")
elif [ "${1:-}" = "--test" ]; then
    # Extra tools for the test suite: a real X server, an audio server, a
    # private session bus with the accessibility bus that screen readers use,
    # the checkers of the Debian package and the desktop metadata, English
    # number words from outside to check the program's own against, and the
    # screen reader Orca, which plays the exercises by ear.
    packages+=(xvfb xauth xdotool pulseaudio pulseaudio-utils dbus-daemon at-spi2-core
              desktop-file-utils appstream dpkg-dev fakeroot lintian python3-num2words
              orca)
    # The check that every file states its licence and copyright.
    packages+=(reuse)
fi
# For `make fuzz`: clang with its fuzzing engine and sanitizers.
if [ "${1:-}" = "--fuzz" ]; then
    packages+=(clang-14 libclang-rt-14-dev)
fi

# Qt's source comes from Debian's own archive: the machine's configured
# Debian suites get the deb-src type when they lack it.
enable_sources() {
    apt-cache showsrc qt6-base 2>/dev/null | grep -q '^Package:' && return 0
    local changed=0 f
    for f in /etc/apt/sources.list.d/*.sources; do
        [ -f "$f" ] || continue
        grep -q 'debian' "$f" || continue
        if grep -qE '^Types:.*\bdeb\b' "$f" && ! grep -qE '^Types:.*deb-src' "$f"; then
            "${sudo_cmd[@]}" sed -i -E 's/^(Types:.*\bdeb\b)(.*)$/\1 deb-src\2/' "$f"
            changed=1
        fi
    done
    if [ -f /etc/apt/sources.list ] && grep -qE '^deb .*debian' /etc/apt/sources.list; then
        local line
        while read -r line; do
            grep -qxF "deb-src ${line#deb }" /etc/apt/sources.list ||
                echo "deb-src ${line#deb }" | "${sudo_cmd[@]}" tee -a /etc/apt/sources.list >/dev/null
            changed=1
        done < <(grep -E '^deb .*debian' /etc/apt/sources.list)
    fi
    [ "$changed" = 1 ] && "${sudo_cmd[@]}" apt-get update -q
    apt-cache showsrc qt6-base 2>/dev/null | grep -q '^Package:' ||
        { echo "No Debian source packages can be found: add deb-src to apt's sources" >&2; exit 1; }
}

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    "${sudo_cmd[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
if [ "${1:-}" = "--windows" ] || [ "${1:-}" = "--web" ]; then
    enable_sources
fi

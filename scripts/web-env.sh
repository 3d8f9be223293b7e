# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Brasti developers
# Sourced by the web build's scripts: the environment in which Qt's CMake
# finds Debian's emscripten, which comes without an emsdk folder.
#
# Qt reads $EMSDK/.emscripten for the compiler's root and runs
# $EMSDK/<root>/emcc; a small folder of links answers it. Emscripten's own
# cache must stay Debian's frozen one, so EM_CACHE is left unset.
unset EM_CACHE
brasti_emsdk=${BRASTI_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/brasti}/emsdk
if [ ! -x "$brasti_emsdk/upstream/emscripten/emcc" ]; then
    mkdir -p "$brasti_emsdk/upstream/emscripten"
    echo "EMSCRIPTEN_ROOT = '/upstream/emscripten'" >"$brasti_emsdk/.emscripten"
    ln -sfn /usr/bin/emcc "$brasti_emsdk/upstream/emscripten/emcc"
    ln -sfn /usr/share/emscripten/cmake "$brasti_emsdk/upstream/emscripten/cmake"
fi
export EMSDK=$brasti_emsdk
export EMSCRIPTEN=/usr/share/emscripten
# Emscripten's optimiser needs acorn, which Debian keeps here; a Node that is
# not Debian's own does not look there by itself.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

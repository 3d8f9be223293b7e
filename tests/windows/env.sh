# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Brasti developers
# Sourced by the Windows checks: a private Wine prefix on a private X server
# (Wine needs one even for Qt's offscreen platform), with the build's Qt and
# MinGW's runtime on Wine's PATH. Expects $qt; sets $work, which goes with
# everything started here when the calling script ends.
work=$(mktemp -d)
pids=()
cleanup() {
    wineserver -k 2>/dev/null || true
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

export WINEPREFIX=$work/prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# Whatever audio server the caller has is not ours to play into.
export PULSE_SERVER=unix:$work/no-audio-server
unset PULSE_COOKIE

# A private X server with a 24-bit screen, so that colours are exact.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { cat "$work/xvfb.log" >&2; echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(cat "$work/display")

booted=$(date +%s%N)
wineboot -i >/dev/null 2>&1
wineserver -w
echo "wineboot took $(( ($(date +%s%N) - booted) / 1000000 )) ms"

winpath() { winepath -w "$1" 2>/dev/null; }
runtime_dirs=()
for dll in libstdc++-6.dll libwinpthread-1.dll; do
    runtime_dirs+=("$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=$dll)")")
done
[ -f "${runtime_dirs[1]}/libwinpthread-1.dll" ] || runtime_dirs[1]=/usr/x86_64-w64-mingw32/lib
WINEPATH="$(winpath "$qt/bin");$(winpath "${runtime_dirs[0]}");$(winpath "${runtime_dirs[1]}")"
export WINEPATH
# Wine hands Windows programs none of the QT_ variables of the Unix
# environment; the prefix's own environment carries those the tests need.
# The offscreen platform on Windows reads its fonts from a folder: Liberation
# Sans has Arial's measures, for which the screens are laid out.
wine reg add 'HKCU\Environment' /v QT_QPA_FONTDIR /t REG_SZ /f \
    /d "$(winpath /usr/share/fonts/truetype/liberation)" >/dev/null 2>&1
# Wine has no Arial of its own: the Windows platform gets Liberation Sans in
# its place, as a Windows computer would show Arial.
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /t REG_SZ /d 'Liberation Sans' /f >/dev/null 2>&1


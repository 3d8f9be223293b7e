#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Brasti developers
# The Windows build under Wine, on a private X server (Wine needs one even
# for the offscreen platform) with a private Wine prefix:
#   1. every Qt Test program of the suite, each result read from its -o file,
#      but those whose labels say they need what only Linux has, each named
#      with its reason;
#   2. the random-event run for 60 s;
#   3. the sound module: silent and quick with no audio device, heard by a
#      private audio server through Wine's own driver;
#   4. the setup program, silent, into a folder with blanks and a non-ASCII
#      letter; the installed program's start check, with garbage settings and
#      without its sounds; the mouse smoke test; a second setup over the
#      first; the uninstaller refused while the program is open, then
#      removing every file, shortcut and registry key; the same for the
#      current user alone.
#
#   tests/windows/run.sh BUILD_FOLDER QT_PREFIX
set -euo pipefail
build=$(cd "$1" && pwd)
qt=$(cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
source=$(cd "$here/../.." && pwd)

failures=()
fail() {
    echo "FAIL: $*" >&2
    failures+=("$*")
}
say() { echo "== $*"; }

source "$here/env.sh"

# ---------------------------------------------------------------------------
say "Qt Test programs under Wine"
# Those whose labels (tests/CMakeLists.txt) name what Windows lacks are left
# out, each with its reason. CTest lists a cross-build's tests as it lists a
# native build's, running nothing.
declare -A lacks=(
    [x11]="needs a real X server, reached through Qt's xcb platform, and keys typed on it (xdotool)"
    [atspi]="talks to the program over the Linux accessibility bus (AT-SPI on D-Bus)"
    [orca]="plays with the Orca screen reader"
)
listed() { (cd "$build" && ctest -N "$@") | sed -n 's/^ *Test *#[0-9]*: //p'; }
declare -A left_out=()
for label in "${!lacks[@]}"; do
    for name in $(listed -L "^$label\$"); do
        left_out[$name]+="${left_out[$name]:+; }${lacks[$label]}"
    done
done
for name in $(printf '%s\n' "${!left_out[@]}" | sort); do
    echo "left out: $name: ${left_out[$name]}"
done
mapfile -t programs < <(listed -LE "^($(IFS='|'; echo "${!lacks[*]}"))\$" | grep '^tst_')
for name in $(find "$source/tests" -name 'tst_*.cpp' ! -name '*_unix.cpp' -printf '%f\n' | sed 's/\.cpp$//' | sort); do
    [[ " ${programs[*]} ${!left_out[*]} " == *" $name "* ]] \
        || echo "left out: $name: Linux's own, not built for Windows (tests/CMakeLists.txt)"
done
[ ${#programs[@]} -gt 10 ] || fail "only ${#programs[@]} test programs are to run"
passed=0
for name in "${programs[@]}"; do
    exe=$build/tests/$name.exe
    if [ ! -f "$exe" ]; then
        fail "$name was not built"
        continue
    fi
    result=$work/$name.txt
    status=0
    # Each test program picks the offscreen platform itself.
    BRASTI_TEST_SOUNDS=$(winpath "$source/assets/suoni") timeout 600 wine "$exe" -o "$(winpath "$result"),txt" >"$work/$name.out" 2>&1 || status=$?
    totals=$(grep -a '^Totals:' "$result" 2>/dev/null || true)
    if [ "$status" -ne 0 ] || [ -z "$totals" ]; then
        fail "$name ended with status $status"
        grep -a -E '^(FAIL!|XPASS|   Loc:|QFATAL|QWARN)' "$result" 2>/dev/null | head -20 >&2 || true
        tail -20 "$work/$name.out" >&2
    else
        echo "$name: $totals"
        passed=$((passed + 1))
    fi
done
echo "$passed of ${#programs[@]} test programs passed; ${#left_out[@]} tests left out by label"

# ---------------------------------------------------------------------------
say "random-event run, 60 s"
status=0
timeout 300 wine "$build/tests/robustness.exe" --seconds 60 --events 300000 \
    >"$work/robustness.out" 2>&1 || status=$?
tail -5 "$work/robustness.out"
[ "$status" -eq 0 ] || fail "the random-event run ended with status $status"

# ---------------------------------------------------------------------------
say "sound module"
bash "$here/sound.sh" "$build" "$work" || fail "the sound module under Wine"

# ---------------------------------------------------------------------------
say "setup program"
bash "$here/install.sh" "$build" "$work" || fail "the setup program and the installed program"

if [ ${#failures[@]} -gt 0 ]; then
    echo
    echo "${#failures[@]} Windows check(s) failed:"
    printf '  %s\n' "${failures[@]}"
    exit 1
fi
echo "Windows: every check passed"

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Brasti developers
# The Windows build under Wine, on a private X server (Wine needs one even
# for the offscreen platform) with a private Wine prefix:
#   1. every Qt Test program of the suite, each result read from its -o file,
#      but those whose labels say they need what only Linux has (select.sh),
#      each named with its reason;
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
source "$here/select.sh"
choose < <(tests_of "$build")
for name in "${test_names[@]}"; do
    if [ -n "${left_out[$name]+set}" ]; then
        echo "left out: $name: ${left_out[$name]}"
    fi
done
while IFS= read -r name; do
    echo "left out: $name: Linux's own, not built for Windows (tests/CMakeLists.txt)"
done < <(not_built "$source")

programs=()
for name in "${test_names[@]}"; do
    if [[ $name == tst_* && -n "${chosen[$name]+set}" ]]; then
        programs+=("$name")
    fi
done
[ ${#programs[@]} -gt 10 ] || fail "only ${#programs[@]} test programs are to run"
passed=0
for name in "${programs[@]}"; do
    exe=${chosen[$name]}
    if [ -z "$exe" ]; then
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

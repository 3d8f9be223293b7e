#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Brasti developers
# Which tests of a build the Windows checks run under Wine, by the labels
# tests/CMakeLists.txt gives them: a test with the label of something
# Windows lacks is left out, with the reason. CTest reads them from the build
# folder without running anything, so a cross-build's list serves as well as
# a native one. Sourced by run.sh: choose < <(tests_of BUILD_FOLDER).

# What Windows lacks, by label, and so what a test with the label would miss.
declare -A windows_lacks=(
    [x11]="needs a real X server, reached through Qt's xcb platform, and keys typed on it (xdotool)"
    [atspi]="talks to the program over the Linux accessibility bus (AT-SPI on D-Bus)"
    [orca]="plays with the Orca screen reader"
)

# One line a test CTest knows in the build folder, in CTest's order: its
# name, its labels separated by commas, and its program (empty while it is
# not built), with a bar between them (a tab would not do: read takes two
# tabs around an empty field for one).
tests_of() {
    (cd "$1" && ctest --show-only=json-v1) | python3 -c '
import json, sys
for test in json.load(sys.stdin)["tests"]:
    labels = [label for p in test.get("properties", []) if p["name"] == "LABELS" for label in p["value"]]
    print(test["name"], ",".join(labels), test.get("command", [""])[0], sep="|")'
}

# Reads the lines of tests_of. Sets `test_names` (in order), `chosen`
# (name: program) and `left_out` (name: every reason, "; " between them).
choose() {
    test_names=()
    declare -gA chosen=() left_out=()
    local name labels program label reasons
    while IFS='|' read -r name labels program; do
        [ -n "$name" ] || continue
        test_names+=("$name")
        reasons=""
        IFS=, read -ra label_list <<<"$labels"
        for label in "${label_list[@]}"; do
            [ -n "${windows_lacks[$label]:-}" ] && reasons+="${reasons:+; }${windows_lacks[$label]}"
        done
        if [ -n "$reasons" ]; then
            left_out[$name]=$reasons
        else
            chosen[$name]=$program
        fi
    done
}

# The Qt Test programs of the source tree that the build has no test for:
# Linux's own, which tests/CMakeLists.txt does not build for Windows.
not_built() {
    local src name
    while IFS= read -r src; do
        name=$(basename "$src" .cpp)
        [ -n "${chosen[$name]+set}" ] || [ -n "${left_out[$name]+set}" ] || echo "$name"
    done < <(find "$1/tests" -name 'tst_*.cpp' ! -name '*_unix.cpp' | sort)
}


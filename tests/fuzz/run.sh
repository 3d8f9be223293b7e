#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Brasti developers
# Runs each fuzz target for a while, one after the other, and fails on any
# crash, hang, leak or broken invariant, leaving the input that did it in
# BUILD_DIR/artifacts. What the fuzzers find grows a corpus of their own in
# BUILD_DIR/corpus, so later runs start where earlier ones stopped; the
# seeds in tests/fuzz/corpus are only read.
#
#   run.sh BUILD_DIR SECONDS
set -euo pipefail

build=$1
seconds=$2
seeds=$(cd "$(dirname "$0")" && pwd)/corpus
[[ $seconds =~ ^[1-9][0-9]*$ ]] || { echo "FUZZ_SECONDS must be a whole number of seconds, not '$seconds'" >&2; exit 2; }

failed=()
for target in typedanswer settings; do
    work=$build/corpus/$target
    log=$build/fuzz_$target.log
    mkdir -p "$work" "$build/artifacts"
    status=0
    # An input that takes ten seconds is a hang.
    "$build/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$build/artifacts/$target-" "$work" "$seeds/$target" >"$log" 2>&1 || status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    if [ "$status" -ne 0 ]; then
        tail -n 60 "$log"
        echo "FAIL: fuzz_$target ended with status $status; the input is in $build/artifacts/, the log in $log"
        failed+=("$target")
    else
        echo "fuzz_$target: ${runs:-?} inputs in $seconds s, no fault ($(ls "$work" | wc -l) in its corpus)"
    fi
done
[ ${#failed[@]} -eq 0 ]

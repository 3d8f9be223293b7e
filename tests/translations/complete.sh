#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Brasti developers
# Every translation is complete and current: lupdate, run over the sources
# into a copy of each translations/brasti_<language>.ts as the build runs it,
# finds no text the translation lacks (new in the sources, or left
# unfinished) and none it keeps in vain (gone from the sources).
#
#   complete.sh LUPDATE SOURCE_DIR [LUPDATE_OPTIONS...]
set -euo pipefail
lupdate=$1
source=$2
shift 2

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

shopt -s nullglob
files=("$source"/translations/brasti_*.ts)
if [ ${#files[@]} -eq 0 ]; then
    echo "no translations in $source/translations"
    exit 1
fi

status=0
for ts in "${files[@]}"; do
    name=$(basename "$ts")
    cp "$ts" "$tmp/$name"
    (cd "$source" && "$lupdate" -I . "$@" app common exercises -ts "$tmp/$name") >"$tmp/log" 2>&1 || {
        cat "$tmp/log"
        exit 1
    }
    # A warning means a text lupdate could not place in its context.
    if grep -iE 'warning|qualifying|cannot' "$tmp/log"; then
        status=1
    fi
    messages=$(grep -c '<message' "$tmp/$name" || true)
    for type in unfinished vanished obsolete; do
        count=$(grep -c "type=\"$type\"" "$tmp/$name" || true)
        if [ "$count" -ne 0 ]; then
            echo "$name: $count text(s) $type:"
            grep -B4 "type=\"$type\"" "$tmp/$name" | sed -n 's/.*<source>\(.*\)<\/source>.*/    \1/p'
            status=1
        fi
    done
    echo "$name: $messages texts"
done
exit $status

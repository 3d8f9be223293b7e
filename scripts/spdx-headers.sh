#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Brasti developers
# Gives every file of the project its licence and copyright: source files
# (C++, shell, Python, CMake, make, NSIS, troff, Markdown, XML...) get two
# comment lines at the top, after a "#!" line or an XML declaration; a
# file that cannot carry a comment and is not named in .reuse/dep5 gets a
# FILE.license beside it holding the same two lines, as the REUSE
# convention has it. A file that already names a licence is left as it is,
# so running the script twice changes nothing the second time.
#
# Run it after adding files, or after merging a branch that added some,
# then commit what it changed. It works on the files git knows and those
# not yet added (ignored ones aside), or on the paths given.
#
#   scripts/spdx-headers.sh [--check] [PATH...]
#
# --check changes nothing: it lists the files that would change and fails
# if there are any.
set -euo pipefail
cd "$(dirname "$0")/.."

# REUSE-IgnoreStart: the lines below are the script's data, not its own licence.
licence_line="SPDX-License-Identifier: GPL-3.0-or-later"
copyright_line="SPDX-FileCopyrightText: ${BRASTI_COPYRIGHT_YEAR:-$(date +%Y)} The Brasti developers"
# REUSE-IgnoreEnd

check=0
if [ "${1:-}" = "--check" ]; then
    check=1
    shift
fi

# The comment that a file's kind allows: "#", "//", ".\"", "<!--", or
# nothing when it cannot carry one.
comment_style() {
    local path=$1 name=${1##*/}
    case $name in
    *.cpp | *.h | *.hpp | *.c | *.rc | *.qml | *.js) echo "//" ;;
    *.sh | *.py | *.cmake | CMakeLists.txt | Makefile | *.mk | .gitignore | *.supp | *.desktop | *.nsi | *.nsh \
        | *.ps1 | *.yml | *.yaml) echo "#" ;;
    *.[1-9]) echo '.\"' ;;
    *.md | *.xml | *.html) echo "<!--" ;;
    *)
        # A script without an extension, such as .ci/run.
        if head -n 1 "$path" | grep -q "^#!"; then echo "#"; fi
        ;;
    esac
}

# Whether the file already says its licence near its top (a header) or
# beside it (a .license file).
has_licence() {
    [ -f "$1.license" ] || head -n 10 "$1" | grep -q "SPDX-License-Identifier:"
}

# Of the paths on standard input, one a line, those whose licence and
# copyright reuse finds in .reuse/dep5: asked of the module that reuse
# itself reads that file with, in Debian's own Python.
covered_by_dep5() {
    [ -f .reuse/dep5 ] || return 0
    /usr/bin/python3 -c '
import sys
from debian.copyright import Copyright
with open(".reuse/dep5", encoding="utf-8") as dep5:
    copyright = Copyright(dep5)
for path in sys.stdin.read().splitlines():
    if copyright.find_files_paragraph(path):
        print(path)
'
}

add_header() {
    local path=$1 style=$2 header tmp
    case $style in
    "<!--") header="<!-- $licence_line -->"$'\n'"<!-- $copyright_line -->" ;;
    *) header="$style $licence_line"$'\n'"$style $copyright_line" ;;
    esac
    # Written beside it and renamed over it, with its mode (a script stays
    # executable); a script being run, this one too, reads on undisturbed.
    tmp=$(mktemp "$path.XXXXXX")
    chmod --reference="$path" "$tmp"
    {
        # A "#!" line and an XML declaration must stay first.
        if head -n 1 "$path" | grep -q '^#!\|^<?xml'; then
            head -n 1 "$path"
            printf '%s\n' "$header"
            tail -n +2 "$path"
        else
            printf '%s\n' "$header"
            cat "$path"
        fi
    } >"$tmp"
    mv -f "$tmp" "$path"
}

add_sidecar() {
    printf '%s\n%s\n' "$licence_line" "$copyright_line" >"$1.license"
}

if [ $# -gt 0 ]; then
    files=("$@")
else
    mapfile -t files < <(git ls-files --cached --others --exclude-standard | sort -u)
fi

if ! /usr/bin/python3 -c 'import debian.copyright' 2>/dev/null; then
    echo "Debian's python3-debian is needed to read .reuse/dep5: install reuse (scripts/setup.sh --test)" >&2
    exit 2
fi

# Sorted out first, so that .reuse/dep5 is read once for all of them.
headers=()
others=()
for path in "${files[@]}"; do
    [ -f "$path" ] || continue
    case $path in
    LICENSES/* | .reuse/* | COPYING | COPYING.* | LICENSE | LICENSE.* | *.license) continue ;;
    esac
    has_licence "$path" && continue
    if [ -n "$(comment_style "$path")" ]; then
        headers+=("$path")
    else
        others+=("$path")
    fi
done
sidecars=()
if [ ${#others[@]} -gt 0 ]; then
    mapfile -t sidecars < <(comm -23 <(printf '%s\n' "${others[@]}" | sort) \
        <(printf '%s\n' "${others[@]}" | covered_by_dep5 | sort))
fi

changed=$((${#headers[@]} + ${#sidecars[@]}))
if [ $check -eq 1 ]; then
    for path in "${headers[@]}" "${sidecars[@]}"; do
        echo "no licence: $path"
    done
else
    for path in "${headers[@]}"; do
        add_header "$path" "$(comment_style "$path")"
        echo "header: $path"
    done
    for path in "${sidecars[@]}"; do
        add_sidecar "$path"
        echo "beside it: $path.license"
    done
fi

if [ $check -eq 1 ] && [ $changed -gt 0 ]; then
    echo "$changed file(s) without a licence: run scripts/spdx-headers.sh" >&2
    exit 1
fi
exit 0

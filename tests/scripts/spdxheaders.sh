#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Brasti developers
# The licence-header script on a copy of the project's licence set-up with
# one file of every kind that a merged branch may bring: it gives each its
# licence and copyright without breaking it, a second run changes nothing,
# and reuse then finds the copy compliant.
#
#   spdxheaders.sh SOURCE_DIR
#
# Exit status 77 means skipped: reuse (which brings Debian's python3-debian)
# is not installed.
set -euo pipefail
# REUSE-IgnoreStart: what follows is test data, not this file's licence.
source_dir=$1
command -v reuse >/dev/null && /usr/bin/python3 -c 'import debian.copyright' 2>/dev/null \
    || { echo "reuse is not installed"; exit 77; }

scratch=$(mktemp -d)
logs=$(mktemp -d)
trap 'rm -rf "$scratch" "$logs"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cd "$scratch"
git init -q .
mkdir -p scripts app tools assets/suoni docs/screenshots translations .ci packaging tests/app
cp -r "$source_dir/LICENSES" "$source_dir/.reuse" .
cp "$source_dir/scripts/spdx-headers.sh" scripts/
printf '#pragma once\n// A header.\nint f();\n' >app/f.h
printf '#include "app/f.h"\nint f() { return 1; }\n' >app/f.cpp
printf '#!/usr/bin/env bash\necho hi\n' >tools/hi.sh
printf '#!/usr/bin/env bash\nset -e\n' >.ci/run
printf 'cmake_minimum_required(VERSION 3.25)\n' >CMakeLists.txt
printf 'set(X 1)\n' >tools/win.cmake
printf 'all:\n\ttrue\n' >Makefile
printf 'print(1)\n' >tools/oracle.py
printf 'Name "Brasti"\n' >tools/setup.nsi
printf '# Title\n\nText.\n' >notes.md
printf '<?xml version="1.0" encoding="UTF-8"?>\n<TS version="2.1"/>\n' >translations/brasti_en.ts
printf '<?xml version="1.0" encoding="UTF-8"?>\n<component/>\n' >packaging/x.metainfo.xml
printf '.TH X 1\n' >packaging/x.1
printf '[Desktop Entry]\nType=Application\n' >packaging/x.desktop
printf 'RIFF\0\0\0\0WAVE' >assets/suoni/si9.wav
printf '\x89PNG\r\n' >docs/screenshots/x.png
printf 'esatti 3\n' >tests/app/texts.txt
printf '#!/usr/bin/env bash\n# SPDX-License-Identifier: CC0-1.0\n# SPDX-FileCopyrightText: 2020 Someone\n' >tools/own.sh
chmod +x tools/hi.sh .ci/run tools/own.sh
git add -A

BRASTI_COPYRIGHT_YEAR=2026 scripts/spdx-headers.sh >"$logs/first.log" 2>&1 || { cat "$logs/first.log"; fail "first run failed"; }
licence="SPDX-License-Identifier: GPL-3.0-or-later"
copyright="SPDX-FileCopyrightText: 2026 The Brasti developers"

# Two lines at the very top, or after the "#!" line or XML declaration.
expect_top() {
    local file=$1 line=$2 prefix=$3 suffix=${4:-}
    [ "$(sed -n "${line}p" "$file")" = "$prefix$licence$suffix" ] || fail "$file: no licence on line $line: $(head -n 3 "$file")"
    [ "$(sed -n "$((line + 1))p" "$file")" = "$prefix$copyright$suffix" ] || fail "$file: no copyright on line $((line + 1))"
}
expect_top app/f.h 1 "// "
expect_top app/f.cpp 1 "// "
expect_top tools/hi.sh 2 "# "
expect_top .ci/run 2 "# "
expect_top CMakeLists.txt 1 "# "
expect_top tools/win.cmake 1 "# "
expect_top Makefile 1 "# "
expect_top tools/oracle.py 1 "# "
expect_top tools/setup.nsi 1 "# "
expect_top notes.md 1 "<!-- " " -->"
expect_top packaging/x.metainfo.xml 2 "<!-- " " -->"
expect_top packaging/x.1 1 '.\" '
expect_top packaging/x.desktop 1 "# "
# The rest of each file is as it was.
[ "$(tail -n +2 app/f.h | tail -n +2)" = "$(printf '#pragma once\n// A header.\nint f();')" ] || fail "app/f.h changed below its header"
[ "$(head -n 1 tools/hi.sh)" = "#!/usr/bin/env bash" ] || fail "the #! line moved"
[ -x tools/hi.sh ] && [ -x .ci/run ] || fail "a script lost its execute bit"
# Named in .reuse/dep5: untouched, no .license beside them.
for f in translations/brasti_en.ts assets/suoni/si9.wav docs/screenshots/x.png; do
    [ ! -e "$f.license" ] || fail "$f got a .license although .reuse/dep5 names it"
    git diff --quiet -- "$f" || fail "$f was changed"
done
# A kind that takes no comment and that .reuse/dep5 does not name.
[ "$(cat tests/app/texts.txt.license)" = "$licence"$'\n'"$copyright" ] || fail "no .license beside tests/app/texts.txt"
git diff --quiet -- tests/app/texts.txt || fail "tests/app/texts.txt was changed"
# A file that names its own licence keeps it.
git diff --quiet -- tools/own.sh || fail "tools/own.sh lost its own licence"

snapshot() { find . -path ./.git -prune -o -type f -print0 | sort -z | xargs -0 sha256sum; }
before=$(snapshot)
BRASTI_COPYRIGHT_YEAR=2027 scripts/spdx-headers.sh >"$logs/second.log"
[ ! -s "$logs/second.log" ] || fail "the second run did something: $(cat "$logs/second.log")"
[ "$(snapshot)" = "$before" ] || fail "the second run changed files"
scripts/spdx-headers.sh --check || fail "--check finds files left over"

# --check only lists, and fails.
printf 'int g();\n' >app/g.h
status=0
out=$(scripts/spdx-headers.sh --check 2>&1) || status=$?
[ "$status" -eq 1 ] && grep -q "app/g.h" <<<"$out" || fail "--check did not report app/g.h (status $status): $out"
[ "$(cat app/g.h)" = "int g();" ] || fail "--check changed app/g.h"
rm app/g.h

report=$(reuse lint 2>&1) || fail "reuse lint on the annotated copy: $report"
echo "ok"
# REUSE-IgnoreEnd

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Brasti developers
# Start-up and memory of the Windows build under Wine, held against a bare Qt
# window built the same way, in the same run (make bench-windows).
#
#   tests/windows/bench.sh BUILD_FOLDER QT_PREFIX
set -euo pipefail
build=$(cd "$1" && pwd)
qt=$(cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
source "$here/env.sh"
python3 "$here/bench.py" "$build/bench"

#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Qt Test program under Wine for CTest:  wine_qtest.sh program.exe
# Qt Test writes to the debugger rather than to standard output when its
# program has no console window, as under Wine with a pipe: the results go
# to a file, printed afterwards. Wine's own output goes to a file too: the
# desktop process it starts for a window program inherits it and outlives
# the test, and CTest would wait for it.
set -u
out=$(mktemp -d)
wine "$1" -o "Z:$(printf '%s' "$out/results.txt" | tr / '\\'),txt" >"$out/wine.log" 2>&1
status=$?
cat "$out/wine.log" "$out/results.txt" 2>/dev/null || { echo "$1 left no results"; status=1; }
rm -rf "$out"
exit "$status"

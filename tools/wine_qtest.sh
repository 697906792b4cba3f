#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one Qt Test program under Wine for CTest:
#   wine_qtest.sh program.exe [Qt Test options]
# Two things differ from Windows here. Wine hands no QT_* variable of the
# host to a Windows program (it takes WINEQT_* instead and drops the
# prefix), so the test's QT_QPA_PLATFORM and friends are passed on that way.
# And Qt Test writes to the debugger rather than to standard output when its
# program has no console window, as under Wine with a pipe; so the results
# go to a file that is printed afterwards. Wine's own output goes to a file
# too: the desktop process that a window program starts inherits it and
# outlives the test by seconds, and CTest would wait for it.
set -u
program=$1
shift

results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT INT TERM
for var in $(env | sed -n 's/^\(QT_[A-Za-z0-9_]*\)=.*/\1/p'); do
    eval "export WINE$var=\"\$$var\""
done
# The offscreen platform reads its fonts from a folder, not from Windows, and
# wants a family it calls "Sans Serif": DejaVu, as the tests have it on Linux
# (Debian's fonts-dejavu-core). The window's design scales with the font.
export WINEQT_QPA_FONTDIR="${WINEQT_QPA_FONTDIR:-Z:/usr/share/fonts/truetype/dejavu}"

# Z: is the Unix root in every Wine prefix.
wine "$program" -o "Z:$(printf '%s' "$results/results.txt" | tr / '\\'),txt" "$@" \
    >"$results/wine.log" 2>&1
status=$?
cat "$results/wine.log"
if [ -f "$results/results.txt" ]; then
    cat "$results/results.txt"
else
    echo "$program left no results (exit status $status)"
    [ "$status" -ne 0 ] || status=1
fi
exit "$status"

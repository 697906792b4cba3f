#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds the patch core and its tests for Windows and runs them under
# Wine, so that bytes, replacement and file names meet the Windows file API.
set -eu
cd "$(dirname "$0")/.."

sh tools/deps.sh cmake ninja-build googletest g++-mingw-w64-x86-64-posix wine wine64

export WINEPREFIX="$PWD/build/wine-prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
# One Wine server for the whole run, with the prefix booted under it first:
# otherwise each test starts Wine's services itself, and CTest waits for
# them to let go of its output long after the test has ended.
wineserver -p
trap 'wineserver -k 2>/dev/null || true' EXIT INT TERM
if ! wine wineboot --init >"$WINEPREFIX.boot.log" 2>&1; then
    echo "wineboot did not finish cleanly; going on (its log: $WINEPREFIX.boot.log)" >&2
fi

cmake --preset windows-cross
cmake --build --preset windows-cross
ctest --preset windows-cross

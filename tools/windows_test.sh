#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# `make windows-test`: the Windows build of everything, run under Wine: the
# patch core's tests, the window's tests (drawn off screen), then the real
# varnel.exe driven by keys in a virtual X server.
#   tools/windows_test.sh [screenshot.png]   also takes the window's picture
set -eu
cd "$(dirname "$0")/.."
. tools/wine_env.sh

# fonts-dejavu-core: the fonts of the off-screen window tests (tools/wine_qtest.sh).
sh tools/deps.sh $WINE_PACKAGES $X_PACKAGES fonts-dejavu-core
sh tools/windows_build.sh all

trap wine_x_down EXIT INT TERM
x_up
wine_up
# The run by keys goes ahead whatever the tests say; both must pass.
tests=0
ctest --preset windows || tests=$?
sh tests/system/wine_keyboard.sh build/windows/ui/varnel.exe "${1:-}"
[ "$tests" -eq 0 ] || { echo "windows-test: the tests under Wine failed (see above)" >&2; exit 1; }

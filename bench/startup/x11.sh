#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The start-up benchmark on a real X server with a window manager.
# Usage: bench/startup/x11.sh path/to/startup_bench [runs]
set -eu
bench=$1
shift
display=:$(( 80 + $$ % 9 ))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $wm $xvfb 2>/dev/null || true' EXIT INT TERM
sleep 1
DISPLAY=$display openbox >/dev/null 2>&1 &
wm=$!
sleep 1
DISPLAY=$display "$bench" --x11 "$@"

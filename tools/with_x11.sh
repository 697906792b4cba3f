#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on a virtual X server of its own, 1024 x 768, with a window
# manager that frames its windows (metacity), as on a desktop.
# Usage: tools/with_x11.sh command [argument ...]
set -eu
fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
xvfb=$!
wm=
trap 'kill $wm $xvfb 2>/dev/null || true; rm -f "$fifo"' EXIT INT TERM
read -r number <"$fifo"
export DISPLAY=":$number" QT_QPA_PLATFORM=xcb
metacity >/dev/null 2>&1 &
wm=$!
# The window manager is up once it says what it supports.
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTED 2>/dev/null | grep -q _NET_REQUEST_FRAME_EXTENTS && break
    sleep 0.05
done
status=0
"$@" || status=$?
exit $status

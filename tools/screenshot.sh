#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes docs/window.png: the real program in a virtual X server.
# Usage: tools/screenshot.sh [path/to/varnel]
set -eu
cd "$(dirname "$0")/.."

sh tools/deps.sh xvfb xauth imagemagick x11-utils
program=${1:-build/release/ui/varnel}
[ -x "$program" ] || { echo "no program at $program: run 'make run' or build first" >&2; exit 1; }

display=:$(( 90 + $$ % 9 ))
Xvfb "$display" -screen 0 640x480x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
work=$(mktemp -d)
trap 'kill $app $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT INT TERM
sleep 1

# Started in an empty folder so that nothing it might do lands here.
(cd "$work" && DISPLAY=$display QT_QPA_PLATFORM=xcb exec "$OLDPWD/$program") >/dev/null 2>&1 &
app=$!

for _ in $(seq 50); do
    id=$(DISPLAY=$display xwininfo -root -tree 2>/dev/null |
         awk '/"Varnel": \("varnel"/ {print $1; exit}')
    [ -n "$id" ] && break
    sleep 0.1
done
[ -n "${id:-}" ] || { echo "the window did not appear" >&2; exit 1; }
sleep 0.5
mkdir -p docs
DISPLAY=$display import -window "$id" docs/window.png
echo "wrote docs/window.png"

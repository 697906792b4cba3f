#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the pictures of the real program in docs/: docs/window.png at the
# platform's default font, and docs/window-<size>pt.png for each further
# font size given, set through the qt6ct platform theme.
# Usage: tools/screenshot.sh [path/to/varnel] [point size ...]
set -eu
cd "$(dirname "$0")/.."

sh tools/deps.sh xvfb xauth imagemagick x11-utils qt6ct
program=${1:-build/release/ui/varnel}
[ $# -gt 0 ] && shift
[ -x "$program" ] || { echo "no program at $program: run 'make run' or build first" >&2; exit 1; }

display=:$(( 90 + $$ % 9 ))
Xvfb "$display" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
work=$(mktemp -d)
app=
trap 'kill $app $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT INT TERM
sleep 1

shoot() {  # shoot <output> [point size]
    if [ -n "${2:-}" ]; then
        mkdir -p "$work/config/qt6ct"
        printf '[Fonts]\ngeneral="DejaVu Sans,%s,-1,5,50,0,0,0,0,0"\n' "$2" >"$work/config/qt6ct/qt6ct.conf"
        theme="XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORMTHEME=qt6ct"
    else
        theme=
    fi
    # Started in an empty folder so that nothing it might do lands here.
    (cd "$work" && env DISPLAY="$display" QT_QPA_PLATFORM=xcb $theme "$OLDPWD/$program") >/dev/null 2>&1 &
    app=$!
    id=
    for _ in $(seq 50); do
        id=$(DISPLAY=$display xwininfo -root -tree 2>/dev/null |
             awk '/"Varnel": \("varnel"/ {print $1; exit}')
        [ -n "$id" ] && break
        sleep 0.1
    done
    [ -n "$id" ] || { echo "the window did not appear" >&2; exit 1; }
    sleep 0.5
    mkdir -p docs
    DISPLAY=$display import -window "$id" "$1"
    kill "$app"
    wait "$app" 2>/dev/null || true
    echo "wrote $1"
}

shoot docs/window.png
for size in "$@"; do
    shoot "docs/window-${size}pt.png" "$size"
done

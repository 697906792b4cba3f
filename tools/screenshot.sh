#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the pictures in docs/, on the display that tests/support/x11.sh gives:
#   screenshot.sh [path/to/varnel] [point size ...]
#       docs/window.png at the platform's default font, and
#       docs/window-<size>pt.png for each size given (set through qt6ct)
set -eu
program=$(realpath "${1:-build/release/ui/varnel}")
[ $# -gt 0 ] && shift
work=$(mktemp -d)
app=
trap 'kill $app 2>/dev/null || true; rm -rf "$work"' EXIT INT TERM
shoot() {  # shoot <output> [point size]
    theme=
    if [ -n "${2:-}" ]; then
        mkdir -p "$work/config/qt6ct"
        printf '[Fonts]\ngeneral="DejaVu Sans,%s,-1,5,50,0,0,0,0,0"\n' "$2" >"$work/config/qt6ct/qt6ct.conf"
        theme="XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORMTHEME=qt6ct"
    fi
    # Started in an empty folder so that nothing it might do lands here.
    (cd "$work" && env QT_QPA_PLATFORM=xcb $theme "$program") >/dev/null 2>&1 &
    app=$!
    id=$(timeout 10 xdotool search --sync --onlyvisible --name '^Varnel$' | head -n 1)
    sleep 0.5
    import -window "$id" "$1"
    kill "$app"
    wait "$app" 2>/dev/null || true
    echo "wrote $1"
}
shoot docs/window.png
for size in "$@"; do
    shoot "docs/window-${size}pt.png" "$size"
done

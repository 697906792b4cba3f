#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the pictures in docs/, on the display that tests/support/x11.sh gives:
#   screenshot.sh [path/to/varnel] [point size ...]
#       docs/window.png at the platform's default font, and
#       docs/window-<size>pt.png for each size given (set through qt6ct)
#   screenshot.sh window ID FILE
#       window ID with the frame the window manager gave it, into FILE
set -eu
if [ "${1:-}" = window ]; then
    sleep 0.5
    frame=$(xprop -id "$2" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | tr -d ' ')
    IFS=, read -r left right top bottom <<EOT
$frame
EOT
    info=$(xwininfo -id "$2")
    get() { echo "$info" | sed -n "s/.*$1: *//p"; }
    x=$(get 'Absolute upper-left X') y=$(get 'Absolute upper-left Y') w=$(get Width) h=$(get Height)
    import -window root -crop "$((w + left + right))x$((h + top + bottom))+$((x - left))+$((y - top))" +repage "$3"
    echo "wrote $3"
    exit 0
fi

program=$(realpath "${1:-build/release/ui/varnel}")
[ $# -gt 0 ] && shift
work=$(mktemp -d)
app=
trap 'kill $app 2>/dev/null || true; rm -rf "$work"' EXIT INT TERM
shoot() {  # shoot <output> [point size]
    if [ -n "${2:-}" ]; then
        mkdir -p "$work/config/qt6ct"
        printf '[Fonts]\ngeneral="DejaVu Sans,%s,-1,5,50,0,0,0,0,0"\n' "$2" >"$work/config/qt6ct/qt6ct.conf"
        theme="XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORMTHEME=qt6ct"
    else
        theme=
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

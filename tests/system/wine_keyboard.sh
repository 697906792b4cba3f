#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real varnel.exe under Wine, driven by key presses alone, as a user
# without a mouse would: twelve pictures picked with the arrow keys, "Right
# arow" ticked, Make, a path typed, Save. The program must end, having
# written exactly the file beside this script, and nothing else.
#   wine_keyboard.sh varnel.exe [screenshot.png]   on a display with a
#   window manager (tests/support/x11.sh), Wine's settings in the environment
set -eu
exe=$(realpath "$1")
expected=$(dirname "$(realpath "$0")")/keyboard.vkp
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM

# Started in an empty folder, so that nothing it might write by itself goes unnoticed.
mkdir "$work/cwd"
(cd "$work/cwd" && exec wine "$exe") >"$work/wine.log" 2>&1 &
app=$!
id=$(timeout 30 xdotool search --sync --onlyvisible --name '^Varnel$' windowfocus --sync getwindowfocus) ||
    { echo "the window did not appear" >&2; cat "$work/wine.log" >&2; exit 1; }
keys() { xdotool key --clearmodifiers --delay 40 "$@"; }
# Help, WriteMessage, Games, Profiles, Help, Surf/Fun, Setup, MP3Player,
# Card-Explorer, Divert, Message, Record: presses of Down from no picture
# (past the list's end too, where Down stays).
for downs in 17 7 10 13 17 3 6 9 12 15 2 5; do
    keys $(yes Down | head -n "$downs") Tab
done
# Make, Right soft key, Right arow: tick the arrow key, back to Make.
keys Tab Tab space shift+Tab shift+Tab
# The picture (make windows-screenshot): the window with the frame that the
# window manager gave it, once that has settled.
[ -z "${2:-}" ] || { sleep 0.5; import -frame -window "$id" "$2"; echo "wrote $2"; }
# Make, then Right soft key, Right arow, Save and the path; the path; Save.
keys space Tab Tab Tab Tab ctrl+a
xdotool type --clearmodifiers --delay 30 "Z:$(printf '%s' "$work/patch.vkp" | tr / '\\')"
keys shift+Tab space
for _ in $(seq 100); do
    kill -0 "$app" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$app" 2>/dev/null && { echo "varnel.exe did not end after Save" >&2; exit 1; }
wait "$app" || { echo "varnel.exe ended with a failure" >&2; exit 1; }
cmp "$expected" "$work/patch.vkp"
[ -z "$(ls -A "$work/cwd")" ] || { echo "varnel.exe wrote into its working folder" >&2; exit 1; }
echo "varnel.exe under Wine: picks, a key, Make and Save by keyboard wrote the exact $(stat -c %s "$work/patch.vkp") bytes, and ended"

#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real varnel.exe under Wine, in a virtual X server with a window
# manager, driven by key presses alone, as a user without a mouse would:
# twelve pictures picked with the arrow keys, "Right arow" ticked, Make, a
# path typed, Save. The file must hold exactly the patch for those choices,
# and the program must have ended.
#   tools/wine_smoke.sh [varnel.exe] [screenshot.png]
# Uses the display and Wine prefix of the script that runs it (tools/wine_env.sh),
# or, run on its own, starts them itself.
set -eu
cd "$(dirname "$0")/.."
exe=${1:-build/windows/ui/varnel.exe}
shot=${2:-}
[ -f "$exe" ] || { echo "no $exe: run 'make windows' first" >&2; exit 1; }

. tools/wine_env.sh
if [ -z "${WINEPREFIX:-}" ] || [ -z "${DISPLAY:-}" ]; then
    sh tools/deps.sh $WINE_PACKAGES $X_PACKAGES
    trap wine_x_down EXIT INT TERM
    x_up
    wine_up
fi

# The choices: slot address, presses of the Down key from "no picture"
# (one per list row, the first press picking row 0), and that picture's code.
picks="27D4DC 4 6C40DB
27D4DF 7 620AD9
27D4E2 10 DAE1D8
27D4E5 13 5C40DB
27D4E8 16 50FBEC
27D4EB 3 4C40DB
27D4EE 6 2C40DB
27D4F1 9 C4E1D8
27D4F4 12 CAE1D8
27D4F7 15 8C40DB
27D4FA 2 0840DB
27D4FD 5 1C40DB"
# (Audio, WriteMessage, Games, Profiles, Help, Surf/Fun, Setup, MP3Player,
# Card-Explorer, Divert, Message, Record.)

# The fixed block of 42 lines that every patch holds; written here without
# the single space that ends every non-empty line but the last.
base="3B0450: F0C4DAE5243AEA00 EA00EE07DAC7C0D5
3B0458: F407 0D23

27D500: FFFFFFFFFFFFFFFF DC4FD44E02002D32
27D508: FFFFFFFFFFFFFFFF D7403400F2FE1C3E
27D510: FFFFFFFFFFFFFFFF 26FE6F0046F42000
27D518: FFFFFFFFFFFFFFFF 3D0208E40D1146F4
27D520: FFFFFFFFFFFFFFFF 21003D0228E40D0C
27D528: FFFFFFFFFFFFFFFF 46F422003D0208E1
27D530: FFFFFFFFFFFFFFFF 0D0746F423003D02
27D538: FFFFFFFFFFFFFFFF 28E10D0248412D62
27D540: FFFFFFFFFFFFFFFF 48E0DD02E0BE0D04
27D548: FFFFFFFFFFFFFFFF 46FE0C00CD01E00E
27D550: FFFFFFFFFFFFFFFF 48452D0F48432D0D
27D558: FFFFFFFFFFFFFFFF 06FE6F00D7403400
27D560: FFFFFFFFFFFFFFFF F6FE1C3EE00CE00D
27D568: FFFFFFFFFFFFFFFF DAC1EC22E6F4FFFF
27D570: FFFFFFFFFFFFFFFF DB00F04E5C1400E4
27D578: FFFFFFFFFFFFFFFF 06FEDC14E005D760
27D580: FFFFFFFFFFFFFFFF 1F03998E999E99AE
27D588: FFFFFFFFFFFFFFFF 2DF1DAC788EE0DEE

27D590: FFFFFFFFFFFFFFFF 0000000000D5C700
27D598: FFFFFFFFFFFFFFFF 00000000527CF000
27D5A0: FFFFFFFFFFFFFFFF 9429E10228161F03
27D5A8: FFFFFFFFFFFFFFFF 0000000065005000
27D5B0: FFFFFFFFFFFFFFFF 1C3E340000000000
27D5B8: FFFFFFFF 0000FF00
27D5C0: FFFFFFFFFFFFFFFF E6F46F00D7403400
27D5C8: FFFFFFFFFFFFFFFF F6F41C3E88908880
27D5D0: FFFFFFFFFFFFFFFF E6FC5AF5E6FDD800
27D5D8: FFFFFFFFFFFFFFFF E6FE96F5F0FDDAF0
27D5E0: FFFFFFFFFFFFFFFF 3CFDF084F095F0C8
27D5E8: FFFFFFFFFFFFFFFF F0D9E6FE9015E6FF
27D5F0: FFFFFFFFFFFFFFFF 1F03DAF024FFF0C8
27D5F8: FFFFFFFFFFFFFFFF F0D9DAF09E809880
27D600: FFFFFFFFFFFFFFFF 9890DB00E004DB00

27D610: FFFFFFFFFFFFFFFF 03000300FFFF0000
27D618: FFFFFFFFFFFFFFFF 0000FFFF00000000
27D620: FFFFFFFFFFFFFFFF FFFF05000500FFFF
27D628: FFFFFFFFFFFFFFFF 10161F030100FFFF"

work=$(mktemp -d)
cleanup_smoke() { rm -rf "$work"; }
trap 'cleanup_smoke; wine_x_down' EXIT INT TERM

# The whole file: the arrow key's line and its CR, two CRs, the block with
# its lines joined by CR LF, two CRs, one line per slot ended by a CR, and
# the CR LF that ends the file.
{
    printf '3B0368: 3C 54\r\r\r'
    n=0
    echo "$base" | while IFS= read -r line; do
        n=$((n + 1))
        if [ "$n" -lt 42 ]; then
            if [ -n "$line" ]; then printf '%s \r\n' "$line"; else printf '\r\n'; fi
        else
            printf '%s' "$line"
        fi
    done
    printf '\r\r'
    echo "$picks" | while read -r address downs code; do
        printf '%s: FFFFFF %s\r' "$address" "$code"
    done
    printf '\r\n'
} >"$work/expected.vkp"
# A slip in the block above would make every run fail the same way: its
# size is known.
block=$(echo "$base" | awk '{ n += length($0) + (length($0) ? 1 : 0) } END { print n + 2 * (NR - 1) - 1 }')
[ "$block" -eq 1679 ] || { echo "the expected block is $block characters, not 1679" >&2; exit 1; }

# Started in an empty folder, so that nothing it might write by itself
# goes unnoticed.
mkdir "$work/cwd"
out="$work/patch.vkp"
winpath="Z:$(printf '%s' "$out" | tr / '\\')"
(cd "$work/cwd" && exec wine "$OLDPWD/$exe") >"$work/wine.log" 2>&1 &
app=$!

id=$(x_window Varnel) || { echo "the window did not appear" >&2; cat "$work/wine.log" >&2; exit 1; }

keys() { xdotool key --clearmodifiers --delay 40 "$@"; }
failed_shot() {
    import -window root build/windows/wine-smoke-failure.png 2>/dev/null &&
        echo "the screen then: build/windows/wine-smoke-failure.png" >&2 || true
}
# The focus starts in the first selector.
echo "$picks" | while read -r address downs code; do
    i=0
    while [ "$i" -lt "$downs" ]; do keys Down; i=$((i + 1)); done
    keys Tab
done
# Make, Right soft key, Right arow: tick the arrow key, go back to Make.
keys Tab Tab space shift+Tab shift+Tab
if [ -n "$shot" ]; then
    sleep 0.5
    # The window with its frame, as the window manager draws it.
    frame=$(xprop -id "$id" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | tr -d ' ')
    left=${frame%%,*}; rest=${frame#*,}; right=${rest%%,*}; rest=${rest#*,}
    top=${rest%%,*}; bottom=${rest#*,}
    info=$(xwininfo -id "$id")
    x=$(echo "$info" | sed -n 's/.*Absolute upper-left X: *//p')
    y=$(echo "$info" | sed -n 's/.*Absolute upper-left Y: *//p')
    w=$(echo "$info" | sed -n 's/.*Width: *//p')
    h=$(echo "$info" | sed -n 's/.*Height: *//p')
    mkdir -p "$(dirname "$shot")"
    import -window root -crop "$((w + left + right))x$((h + top + bottom))+$((x - left))+$((y - top))" +repage "$shot"
    echo "wrote $shot"
fi
keys space
sleep 1
# Every slot has a picture and a key is ticked: Make has nothing to say.
if xdotool search --onlyvisible --name 'Varnel menu pictures' >/dev/null 2>&1; then
    echo "Make showed a message box" >&2
    failed_shot
    exit 1
fi
# Right soft key, Right arow, Save, then the path box.
keys Tab Tab Tab Tab ctrl+a
xdotool type --clearmodifiers --delay 30 "$winpath"
keys shift+Tab space

ended=""
for _ in $(seq 100); do
    if ! kill -0 "$app" 2>/dev/null; then ended=1; break; fi
    sleep 0.1
done
if [ -z "$ended" ]; then
    echo "varnel.exe did not end after Save" >&2
    failed_shot
    exit 1
fi
status=0
wait "$app" || status=$?
[ "$status" -eq 0 ] || { echo "varnel.exe ended with status $status" >&2; exit 1; }
[ -f "$out" ] || { echo "Save wrote no file at $winpath" >&2; exit 1; }
if ! cmp "$work/expected.vkp" "$out"; then
    echo "the file differs from the patch for these choices:" >&2
    od -c "$out" | head -n 20 >&2
    exit 1
fi
[ -z "$(ls -A "$work/cwd")" ] || { echo "varnel.exe wrote into its working folder" >&2; exit 1; }
echo "varnel.exe under Wine: twelve picks, a key, Make and Save by keyboard wrote the exact $(stat -c %s "$out") bytes, and ended"

#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the built Debian package, checks what it put on the system,
# starts the installed program off screen, and removes the package again.
set -eu
cd "$(dirname "$0")/.."

deb=$(ls -t build/release/varnel_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { echo "no package: run 'make package' first" >&2; exit 1; }
sh tools/deps.sh desktop-file-utils appstream

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get install -y -qq "./$deb"
trap '$sudo apt-get remove -y -qq varnel >/dev/null 2>&1 || true' EXIT

id=org.varnel.Varnel
desktop-file-validate /usr/share/applications/$id.desktop
appstreamcli validate --no-net /usr/share/metainfo/$id.metainfo.xml
for size in 16 24 32 48; do
    test -f /usr/share/icons/hicolor/${size}x$size/apps/$id.png
done

# The program must come up and stay up until it is told to go; it writes
# nothing by itself.
work=$(mktemp -d)
(cd "$work" && QT_QPA_PLATFORM=offscreen exec /usr/bin/varnel) >"$work.log" 2>&1 &
pid=$!
sleep 3
if ! kill -0 "$pid" 2>/dev/null; then
    echo "the installed program did not stay up:" >&2
    cat "$work.log" >&2
    exit 1
fi
kill "$pid"
wait "$pid" 2>/dev/null || true
[ -z "$(ls -A "$work")" ] || { echo "the program wrote files on its own" >&2; exit 1; }
rm -rf "$work" "$work.log"

$sudo apt-get remove -y -qq varnel
trap - EXIT
[ ! -e /usr/bin/varnel ] || { echo "varnel is still installed" >&2; exit 1; }
echo "package installs, starts and removes cleanly"

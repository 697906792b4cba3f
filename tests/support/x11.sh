#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on a virtual X server of its own, 1024 x 768, on the
# display the server picks, with a window manager that frames windows with
# icon, title and close button, as Windows does:
#   tests/support/x11.sh command [argument ...]
set -eu
dir=$(mktemp -d)
mkfifo "$dir/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$dir/display" >"$dir/xvfb.log" 2>&1 &
xvfb=$! wm=
trap 'kill $wm $xvfb 2>/dev/null || true; rm -rf "$dir"' EXIT INT TERM
read -r number <"$dir/display" || { cat "$dir/xvfb.log" >&2; exit 1; }
export DISPLAY=":$number"
sed 's|<titleLayout>[A-Z]*</titleLayout>|<titleLayout>NLC</titleLayout>|' \
    /etc/xdg/openbox/rc.xml >"$dir/rc.xml"
openbox --sm-disable --config-file "$dir/rc.xml" >/dev/null 2>&1 &
wm=$!
# The window manager is up once it names itself.
timeout 10 sh -c "until xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; do sleep 0.1; done" 2>/dev/null || true
"$@"

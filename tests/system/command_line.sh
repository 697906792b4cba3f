#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The command line, one row each: arguments, exit status, what standard
# output and error must hold. Help and version need no display; refusals
# are checked on Qt's offscreen platform, and open no window.
#   command_line.sh path/to/varnel
set -u
varnel=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
failed=0
row() {  # platform status stdout-pattern stderr-pattern args... ("": not checked)
    platform=$1 want=$2 out=$3 err=$4
    shift 4
    env -u DISPLAY -u WAYLAND_DISPLAY ${platform:+QT_QPA_PLATFORM=$platform} \
        timeout 20 "$varnel" "$@" >"$work/out" 2>"$work/err"
    got=$?
    if [ "$got" -ne "$want" ] || { [ -n "$out" ] && ! grep -q -- "$out" "$work/out"; } ||
        { [ -n "$err" ] && ! grep -q -- "$err" "$work/err"; }; then
        echo "varnel $*: exit $got (wanted $want); out: $(cat "$work/out"); err: $(cat "$work/err")" >&2
        failed=1
    fi
}
row "" 0 "^Usage: varnel \[--help | --version\]" "" --help
row "" 0 "^  -h, --help" "" -h
row "" 0 "^Varnel [0-9]*\.[0-9]*\.[0-9]*$" "" --version
row offscreen 2 "" "^varnel: unknown option \"--bogus\"" --bogus
row offscreen 2 "" "^varnel: unexpected argument \"file.vkp\"" file.vkp
row offscreen 2 "" "^Try \"varnel --help\"" -style Fusion --verbose
# A window would have kept the program running until the timeout (124).
[ "$failed" -eq 0 ] && echo "the command line answers as it should"
exit "$failed"

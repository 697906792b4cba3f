#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the built Debian package with Debian's own tools, before anything
# is installed: lintian, the licence data of the sources, the AppStream
# metainfo and the manual page as they are inside the package.
#   check.sh build/release/varnel_<version>   (the package's name without _<arch>.deb)
set -eu
deb=$(ls "$1"_*.deb) || { echo "no package: run 'make package' first" >&2; exit 1; }

fail() { echo "$*" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
dpkg-deb --extract "$deb" "$work"

# Every tag fails, down to the pedantic ones; a tag the package means to
# keep would need an override with its reason beside it.
echo "lintian --pedantic $deb"
lintian --pedantic --display-info --fail-on error,warning,info,pedantic "$deb"
echo "lintian: no tags"

reuse lint --quiet || { reuse lint >&2; fail "reuse lint failed"; }
echo "reuse lint: compliant"

# Only the upper-case letters of the id, which the desktop already knows it
# by, are let through.
metainfo=$work/usr/share/metainfo/$VARNEL_APP_ID.metainfo.xml
report=$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1) || fail "$report"
echo "$report"
extra=$(printf '%s\n' "$report" | grep -E '^[EWIP]: ' | grep -v ': cid-contains-uppercase-letter ' || true)
[ -z "$extra" ] || fail "appstreamcli: more than the id's capitals"

# The branding colours are the icon's own; redrawn artwork must bring them
# along. Each one covers a good part of the largest icon.
icon=$work/usr/share/icons/hicolor/256x256/apps/$VARNEL_APP_ID.png
convert "$icon" -format %c histogram:info:- >"$work/histogram"
for colour in $(grep -o '#[0-9a-fA-F]\{6\}' "$metainfo"); do
    pixels=$(awk -v hex="${colour}FF" 'toupper($3) == toupper(hex) { sub(":", "", $1); print $1 }' "$work/histogram")
    [ "${pixels:-0}" -ge 6554 ] || fail "branding colour $colour covers ${pixels:-0} pixels of the icon"
done
echo "branding colours: taken from the icon"

# The page must render without a single warning from groff.
page=$work/usr/share/man/man1/varnel.1.gz
warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 "$page" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "the manual page renders with warnings: $warnings"
LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$page" | grep -q "EXIT STATUS" || fail "the manual page does not render"
echo "man -l: the manual page renders cleanly"

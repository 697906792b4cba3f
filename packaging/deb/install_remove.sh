#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the built Debian package, checks what it put on the system,
# starts the installed program off screen, and removes and purges the
# package again, leaving nothing of it behind.
#   install_remove.sh build/release/varnel_<version>
# It needs root, or sudo without a password; else it skips.
set -eu
deb=$(realpath "$(ls "$1"_*.deb)") || { echo "no package: run 'make package' first" >&2; exit 1; }
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo -n true 2>/dev/null || { echo "skipped: installing needs root or sudo"; exit 77; }
    sudo="sudo -n"
fi
export DEBIAN_FRONTEND=noninteractive
fail() { echo "$*" >&2; exit 1; }
work=$(mktemp -d)
trap '$sudo apt-get purge -y -qq varnel >/dev/null 2>&1 || true; rm -rf "$work"' EXIT INT TERM

$sudo apt-get install -y -qq "$deb" >"$work/install.log" 2>&1 || { cat "$work/install.log" >&2; exit 1; }
grep -v 'Reading database' "$work/install.log"
dpkg -L varnel >"$work/paths"
triggered() {  # install|remove
    for owner in desktop-file-utils hicolor-icon-theme man-db; do
        grep -q "Processing triggers for $owner " "$work/$1.log" || fail "$1 did not trigger $owner"
    done
}

# The package brings no scripts of its own: Debian's triggers refresh the
# desktop's menu and icon caches, here and on removal.
triggered install
cache=/usr/share/icons/hicolor/icon-theme.cache
grep -q "$VARNEL_APP_ID" "$cache" || fail "the icon cache does not know $VARNEL_APP_ID"

desktop-file-validate /usr/share/applications/$VARNEL_APP_ID.desktop
for size in $VARNEL_ICON_SIZES; do
    test -f /usr/share/icons/hicolor/${size}x$size/apps/$VARNEL_APP_ID.png
done
# CET marking cannot be had on Debian 12: its C start files carry none, and
# its dpkg-buildflags does not ask for it.
hardening-check --nocfprotection /usr/bin/varnel

# The program must come up and stay up until it is told to go; it writes
# nothing by itself.
mkdir "$work/run"
# timeout ends it after three seconds with status 124, unless it ended first.
status=0
(cd "$work/run" && QT_QPA_PLATFORM=offscreen exec timeout 3 /usr/bin/varnel) >"$work/run.log" 2>&1 || status=$?
[ "$status" -eq 124 ] || { cat "$work/run.log" >&2; fail "the installed program did not stay up"; }
[ -z "$(ls -A "$work/run")" ] || fail "the program wrote files on its own"

$sudo apt-get remove -y -qq varnel >"$work/remove.log" 2>&1 || { cat "$work/remove.log" >&2; exit 1; }
triggered remove
! grep -q "$VARNEL_APP_ID" "$cache" || fail "the icon cache still knows $VARNEL_APP_ID"
# With no configuration files, removing already made dpkg forget the
# package, and apt-get would no longer find it to purge; dpkg purges either way.
$sudo dpkg --purge varnel
status=$(dpkg-query -W -f='${db:Status-Status}' varnel 2>/dev/null || true)
[ -z "$status" ] || [ "$status" = not-installed ] || fail "varnel is still known to dpkg: $status"
trap 'rm -rf "$work"' EXIT INT TERM

# Of all that the package listed, only folders that other packages own too
# may remain.
left=""
while IFS= read -r path; do
    if [ -e "$path" ] || [ -L "$path" ]; then
        [ -d "$path" ] && [ ! -L "$path" ] && dpkg -S "$path" >/dev/null 2>&1 || left="$left $path"
    fi
done <"$work/paths"
[ -z "$left" ] || fail "left behind after purge:$left"
echo "package installs, starts, and is removed and purged without a trace ($(wc -l <"$work/paths") paths checked)"

#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of the current commit twice, each time from a
# fresh clone in a folder of its own, the second later, under another umask
# and time zone, and fails unless both packages are the same bytes.
# Run from the top of the sources.
set -eu

commit=$(git rev-parse HEAD)
[ -z "$(git status --porcelain --untracked-files=no)" ] ||
    echo "note: uncommitted changes are not part of this check; it builds $commit"
# The date must come from the commit, not from the caller.
unset SOURCE_DATE_EPOCH

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM

build() {  # folder
    git clone --quiet --no-checkout "$PWD" "$1"
    git -C "$1" checkout --quiet --detach "$commit"
    (cd "$1" && umask 022 && cmake --workflow --preset package) >"$1.log" 2>&1 ||
        { cat "$1.log" >&2; exit 1; }
    ls "$1"/build/release/varnel_*.deb
}

first=$(build "$work/first")
# Checked out and built at another time, and with other defaults.
sleep 1
second=$(umask 002 && TZ=Pacific/Kiritimati && export TZ && build "$work/elsewhere/second")

sha256sum "$first" "$second"
if cmp -s "$first" "$second"; then
    echo "the package is reproducible: two builds of $commit are the same bytes"
    exit 0
fi

echo "the two builds of $commit differ:" >&2
# Where: the outer archive's headers, the listing, or a file's content.
for deb in "$first" "$second"; do
    ar tvO "$deb" >"$deb.members"
    dpkg-deb --contents "$deb" >"$deb.list"
    dpkg-deb --raw-extract "$deb" "$deb.tree"
done
for part in members list tree; do diff -r "$first.$part" "$second.$part" >&2 || true; done
exit 1

#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages named on the command line that are missing.
# On systems without apt-get it names them and stops.
set -eu

missing=""
if command -v dpkg-query >/dev/null 2>&1; then
    for pkg in "$@"; do
        status=$(dpkg-query -W -f='${db:Status-Status}' "$pkg" 2>/dev/null || true)
        [ "$status" = "installed" ] || missing="$missing $pkg"
    done
else
    missing=" $*"
fi
[ -z "$missing" ] && exit 0

if ! command -v apt-get >/dev/null 2>&1; then
    echo "Varnel needs these packages (Debian names):$missing" >&2
    echo "This system has no apt-get: install their equivalents, then try again." >&2
    exit 1
fi

if [ "$(id -u)" -eq 0 ]; then
    sudo=""
elif command -v sudo >/dev/null 2>&1; then
    sudo="sudo"
else
    echo "Varnel needs these packages:$missing" >&2
    echo "Install them as root (apt-get install$missing), then try again." >&2
    exit 1
fi

echo "Installing missing packages:$missing"
export DEBIAN_FRONTEND=noninteractive
# The package lists of a fresh machine may be empty or stale.
$sudo apt-get update -qq
# shellcheck disable=SC2086
$sudo apt-get install -y -qq --no-install-recommends $missing

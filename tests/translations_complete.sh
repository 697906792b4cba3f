#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Extracts the texts from the sources into copies of the translations, as
# the build's update_translations does, and fails where a text is without
# its translation, or a translation is of a text no longer there.
#   translations_complete.sh lupdate translations-folder lupdate-arguments...
set -eu
lupdate=$1 folder=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
cp "$folder"/*.ts "$work"
"$lupdate" -silent "$@" -ts "$work"/*.ts
bad=$(grep -c -E 'type="(unfinished|vanished|obsolete)"' "$work"/*.ts | grep -v ':0$' || true)
[ -z "$bad" ] || { echo "texts without a translation, or translations of texts gone:" >&2; echo "$bad" >&2; exit 1; }
echo "every translation is complete: $(ls "$folder"/*.ts | wc -l) languages"

#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds the Windows program with MinGW-w64 and the static Qt that
# tools/windows_qt.sh keeps: build/windows/ui/varnel.exe, one file that
# needs nothing but Windows itself.
#   tools/windows_build.sh [target...]   (default: varnel; "all": everything)
set -eu
cd "$(dirname "$0")/.."

sh tools/deps.sh cmake ninja-build g++-mingw-w64-x86-64-posix googletest \
    qt6-base-dev qt6-base-dev-tools
sh tools/windows_qt.sh ensure
VARNEL_QT_WINDOWS=$(sh tools/windows_qt.sh where)
export VARNEL_QT_WINDOWS

cmake --preset windows
[ $# -gt 0 ] || set -- varnel
cmake --build --preset windows --target "$@"

exe=build/windows/ui/varnel.exe
[ -f "$exe" ] || exit 0
# Only DLLs of Windows itself may be imported: each one must be an API set
# or have a builtin in Wine, which rebuilds Windows' own.
wine_dlls=/usr/lib/x86_64-linux-gnu/wine/x86_64-windows
strangers=""
for dll in $(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p'); do
    lower=$(echo "$dll" | tr 'A-Z' 'a-z')
    case $lower in
        api-ms-win-*) ;;
        *) [ -f "$wine_dlls/$lower" ] || strangers="$strangers $dll" ;;
    esac
done
if [ -n "$strangers" ]; then
    echo "$exe imports DLLs that Windows does not have:$strangers" >&2
    exit 1
fi
subsystem=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^Subsystem[[:space:]]*[0-9a-f]*[[:space:]]*(\(.*\))/\1/p')
echo "$exe: $(stat -c %s "$exe") bytes, $subsystem subsystem, imports only Windows' own DLLs; bytes by part:"
sh tools/exe_parts.sh build/windows/ui/varnel.map

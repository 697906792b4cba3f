#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The zip and the installer of the Windows program, as CPack made them. The
# installer runs silently under Wine as a user would run it: the program,
# its uninstaller, its Start-menu entry and its "Installed apps" entry must
# appear for that user alone, the entry must start the program, and the
# silent uninstall must take everything away.
#   check.sh varnel.exe zip installer.exe   (absolute paths) on a display with a window
#   manager (tests/support/x11.sh), Wine's settings in the environment
set -eu
exe=$1 zip=$2 installer=$3
name=$(basename "$zip" .zip)
fail() { echo "Windows packages: $*" >&2; exit 1; }
# Asks again every tenth of a second, for some seconds, until the answer is yes.
within() {  # seconds command...
    n=$(($1 * 10)); shift
    until "$@"; do [ $((n -= 1)) -gt 0 ] || return 1; sleep 0.1; done
}

# The zip: one folder with the program and its three texts, nothing else.
listing=$(cmake -E tar tf "$zip" | sort | tr '\n' ' ')
wanted="$name/LICENSE.txt $name/README.txt $name/THIRD-PARTY.txt $name/varnel.exe "
[ "$listing" = "$wanted" ] || fail "the zip holds: $listing"
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT INT TERM
(cd "$unpacked" && cmake -E tar xf "$zip")
cmp "$unpacked/$name/varnel.exe" "$exe" || fail "the zip's varnel.exe is not the one built"
cmp "$unpacked/$name/LICENSE.txt" "$(dirname "$0")/../../LICENSE" || fail "the zip's LICENSE.txt is not LICENSE"

# The installer asks Windows for no administrator rights.
grep -aq 'requestedExecutionLevel level="asInvoker"' "$installer" ||
    fail "the installer does not run as the invoking user"

# Where this user's programs, Start menu and registry are.
winvar() { wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r'; }
programs="$(winepath -u "$(winvar LOCALAPPDATA)" 2>/dev/null)/Programs/Varnel"
menu="$(winepath -u "$(winvar APPDATA)" 2>/dev/null)/Microsoft/Windows/Start Menu/Programs"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Varnel'
[ ! -e "$programs" ] || fail "$programs is there before the installer ran"

wine "$installer" /S || fail "the silent install failed"
for f in varnel.exe Uninstall.exe README.txt LICENSE.txt THIRD-PARTY.txt; do
    [ -f "$programs/$f" ] || fail "the installer put no $f into $programs"
done
cmp "$programs/varnel.exe" "$exe" || fail "the installed varnel.exe is not the one built"
[ -f "$menu/Varnel.lnk" ] || fail "no Start-menu entry in $menu"
wine reg query "$key" /v UninstallString >/dev/null 2>&1 || fail "no uninstall entry under $key"
wine reg query "$key" /v EstimatedSize 2>/dev/null | grep -q 'REG_DWORD\s*0x[1-9a-f]' || fail "no installed size in $key"
! wine reg query "HKLM${key#HKCU}" >/dev/null 2>&1 || fail "the installer wrote for all users"
echo "installed for this user into $programs, with its Start-menu entry"

# The entry starts the program; Shift+Tab from the first selector reaches
# Exit, and Space ends it.
wine start "$(winepath -w "$menu/Varnel.lnk")" >/dev/null 2>&1 &
timeout 30 xdotool search --sync --onlyvisible --name '^Varnel$' windowfocus --sync >/dev/null ||
    fail "the Start-menu entry did not start Varnel"
xdotool key --clearmodifiers --delay 40 shift+Tab space
gone() { ! xdotool search --onlyvisible --name '^Varnel$' >/dev/null 2>&1; }
within 10 gone || fail "Exit did not end the started program"
echo "the Start-menu entry starts Varnel"

# The uninstaller hands over to a copy of itself in the temporary folder
# and returns at once; the copy removes the folder when it is done.
# A file of the user's own in the folder stays, and only that.
echo "the user's" >"$programs/mine.vkp"
wine "$programs/Uninstall.exe" /S || fail "the silent uninstall failed"
only_mine() { [ "$(ls -A "$programs")" = mine.vkp ]; }
within 30 only_mine || fail "the uninstaller left in $programs: $(ls -A "$programs" | tr '\n' ' ')"
rm -r "$programs"
[ ! -e "$menu/Varnel.lnk" ] || fail "the uninstaller left the Start-menu entry"
! wine reg query "$key" >/dev/null 2>&1 || fail "the uninstaller left $key"
echo "uninstalled without a trace"
echo "$zip: $(stat -c %s "$zip") bytes"
echo "$installer: $(stat -c %s "$installer") bytes"

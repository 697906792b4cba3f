# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that run the Windows program under Wine.
#   x_up        a virtual X server with a window manager; sets DISPLAY
#   wine_up     the project's Wine prefix (build/wine-prefix) with Wine's
#               fonts, and one Wine server for the whole run
#   x_window T  waits for a window titled T, gives it the keyboard and
#               prints its id
#   x_shot I F  writes window I, with the frame the window manager gave it,
#               to the picture F
#   wine_x_down ends what the two started; call it on exit
# With windows on screen, call x_up first: Wine's desktop process starts
# with the prefix and needs the display then.

WINE_PACKAGES="wine wine64 fonts-wine"
X_PACKAGES="xvfb xauth openbox xdotool x11-utils imagemagick"

_xvfb_pid=""
_openbox_pid=""
_wine_up=""

x_up() {
    _x_dir=$(mktemp -d)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$_x_dir/display" >/dev/null 2>&1 &
    _xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$_x_dir/display" ] && break
        sleep 0.1
    done
    [ -s "$_x_dir/display" ] || { echo "the virtual X server did not start" >&2; return 1; }
    DISPLAY=:$(cat "$_x_dir/display")
    export DISPLAY
    # Title bars as Windows draws them for this window: icon, title, close.
    sed 's|<titleLayout>[A-Z]*</titleLayout>|<titleLayout>NLC</titleLayout>|' \
        /etc/xdg/openbox/rc.xml >"$_x_dir/rc.xml"
    openbox --sm-disable --config-file "$_x_dir/rc.xml" >/dev/null 2>&1 &
    _openbox_pid=$!
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
    echo "the window manager did not start" >&2
    return 1
}

x_window() {
    _id=""
    for _ in $(seq 150); do
        _id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
        [ -n "$_id" ] && break
        sleep 0.1
    done
    [ -n "$_id" ] || return 1
    # Until the window manager has framed the new window, it cannot be
    # made the active one.
    for _ in $(seq 50); do
        xprop -id "$_id" _NET_FRAME_EXTENTS 2>/dev/null | grep -q = && break
        sleep 0.1
    done
    xdotool windowactivate --sync "$_id" >/dev/null 2>&1 || xdotool windowfocus --sync "$_id"
    sleep 0.3
    echo "$_id"
}

x_shot() {
    sleep 0.5
    _frame=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | tr -d ' ')
    _left=${_frame%%,*}; _rest=${_frame#*,}; _right=${_rest%%,*}; _rest=${_rest#*,}
    _top=${_rest%%,*}; _bottom=${_rest#*,}
    _info=$(xwininfo -id "$1")
    _x=$(echo "$_info" | sed -n 's/.*Absolute upper-left X: *//p')
    _y=$(echo "$_info" | sed -n 's/.*Absolute upper-left Y: *//p')
    _w=$(echo "$_info" | sed -n 's/.*Width: *//p')
    _h=$(echo "$_info" | sed -n 's/.*Height: *//p')
    mkdir -p "$(dirname "$2")"
    import -window root -crop "$((_w + _left + _right))x$((_h + _top + _bottom))+$((_x - _left))+$((_y - _top))" +repage "$2"
    echo "wrote $2"
}

wine_up() {
    export WINEPREFIX="$PWD/build/wine-prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    mkdir -p "$WINEPREFIX"
    # One server for the whole run, with the prefix booted under it first:
    # otherwise every program starts Wine's services itself.
    wineserver -p
    _wine_up=1
    if ! wine wineboot --init >"$WINEPREFIX.boot.log" 2>&1; then
        echo "wineboot did not finish cleanly; going on (its log: $WINEPREFIX.boot.log)" >&2
    fi
    # Without the fonts that Windows has, Qt falls back to a serif font and
    # draws the title bar's glyphs as letters.
    mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
    cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
}

wine_x_down() {
    [ -z "$_wine_up" ] || wineserver -k 2>/dev/null || true
    [ -z "$_openbox_pid" ] || kill "$_openbox_pid" 2>/dev/null || true
    [ -z "$_xvfb_pid" ] || kill "$_xvfb_pid" 2>/dev/null || true
    [ -z "${_x_dir:-}" ] || rm -rf "$_x_dir"
    _wine_up="" _openbox_pid="" _xvfb_pid=""
}

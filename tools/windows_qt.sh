#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Qt for Windows (static, MinGW-w64), which the cross build of varnel.exe
# links. It lives in a cache folder outside the checkout and is made once:
#
#   tools/windows_qt.sh where    print the Qt folder
#   tools/windows_qt.sh ensure   make sure it is there (what `make windows` runs):
#                                1. a prebuilt tarball, when one is there, is unpacked;
#                                2. else a matching earlier build is reused;
#                                3. else Qt is built from source (about an hour).
#   tools/windows_qt.sh build    build it from source now, whatever is there
#
# Environment:
#   VARNEL_QT_WINDOWS  the Qt folder; default
#                      ${XDG_CACHE_HOME:-~/.cache}/varnel/qt-<version>-win64-static
#   VARNEL_QT_TARBALL  a prebuilt Qt (a .tar.xz holding prefix/); default
#                      ../shared/cache/qt-<version>-win64-static.tar.xz beside the
#                      checkout; set it empty to ignore tarballs
#   VARNEL_QT_JOBS     parallel build jobs (default: the number of cores)
#
# The source is Debian's qt6-base source package of exactly the version of
# the host's Qt tools (qt6-base-dev-tools), which the cross build runs; it is
# fetched with apt-get from the mirror that installed those tools, through a
# private apt configuration, so the system's apt settings stay untouched.
set -eu
cd "$(dirname "$0")/.."
repo=$PWD

# What the Windows Qt is built with; a folder built otherwise is not reused.
#   -direct2d -no-feature-direct2d1_1  with -no-direct2d, 6.4.2's Windows
#       platform plug-in wants a DirectWrite font database that Gui then
#       leaves out, and fails to link;
#   -no-feature-tabletevent  Debian's MinGW-w64 lacks the tablet headers;
#   Qt Test (built by default) stays on: the window's tests need it.
QT_OPTIONS="-static -release -xplatform win32-g++ -nomake examples -nomake tests \
-no-dbus -no-opengl -direct2d -no-feature-direct2d1_1 -no-icu -no-glib -no-zstd \
-qt-zlib -qt-pcre -qt-doubleconversion -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz \
-no-feature-network -no-feature-sql -no-feature-xml \
-no-feature-printsupport -no-feature-concurrent -no-feature-vulkan \
-no-feature-tabletevent -no-feature-androiddeployqt"

say() { echo "windows-qt: $*" >&2; }
die() { say "$*"; exit 1; }
mode=${1:-ensure}
case $mode in where|ensure|build) ;; *) die "usage: $0 [where|ensure|build]" ;; esac

# The host tools decide the version: moc, uic and rcc of the same Qt must
# process the sources for the Windows libraries.
[ "$mode" = where ] || make -s deps PACKAGES="qt6-base-dev qt6-base-dev-tools xz-utils"
debian_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev-tools 2>/dev/null) ||
    die "qt6-base-dev-tools is not installed"
qt_version=${debian_version%%[-+]*}
prefix=${VARNEL_QT_WINDOWS:-${XDG_CACHE_HOME:-$HOME/.cache}/varnel/qt-$qt_version-win64-static}
tarball=${VARNEL_QT_TARBALL-$(dirname "$repo")/shared/cache/qt-$qt_version-win64-static.tar.xz}
stamp="$prefix/varnel-qt.txt"
[ "$mode" != where ] || { echo "$prefix"; exit 0; }
record="source: Debian qt6-base $debian_version
options: $(echo $QT_OPTIONS)"

# A folder counts only when it holds the static libraries and plug-ins
# that get linked in, of the host tools' version.
usable() {
    for f in lib/cmake/Qt6/qt.toolchain.cmake lib/libQt6Core.a lib/libQt6Gui.a \
             lib/libQt6Widgets.a lib/libQt6Test.a plugins/platforms/libqwindows.a \
             plugins/platforms/libqoffscreen.a plugins/styles/libqwindowsvistastyle.a; do
        [ -f "$1/$f" ] || { say "$1 has no $f"; return 1; }
    done
    grep -q "^set(PACKAGE_VERSION \"$qt_version\")" "$1/lib/cmake/Qt6/Qt6ConfigVersionImpl.cmake" ||
        { say "$1 holds no Qt $qt_version"; return 1; }
}
reusable() {  # [how it was made]
    [ -f "$stamp" ] && [ "$(head -n 2 "$stamp")" = "$record" ] &&
        grep -q "^made: ${1:-}" "$stamp" && usable "$prefix"
}

from_tarball() {
    sum=$(sha256sum "$tarball" | cut -d' ' -f1)
    reusable "from a tarball, sha256 $sum" && { say "reusing $prefix (from $tarball)"; return 0; }
    say "unpacking the prebuilt Qt $tarball into $prefix (a few seconds)"
    rm -rf "$prefix.unpack" && mkdir -p "$prefix.unpack"
    tar -xJf "$tarball" -C "$prefix.unpack"
    usable "$prefix.unpack/prefix" || { rm -rf "$prefix.unpack"; say "not using the tarball"; return 1; }
    rm -rf "$prefix" && mv "$prefix.unpack/prefix" "$prefix" && rm -rf "$prefix.unpack"
    # The tarball was configured with the options above (its README says so).
    printf '%s\nmade: from a tarball, sha256 %s (%s)\n' "$record" "$sum" "$tarball" >"$stamp"
}

# Debian's source package of the host tools' version, from the mirror that
# apt installed them from, through a private apt configuration.
fetch_source() {
    origin=$(apt-cache policy qt6-base-dev-tools | awk -v want="$debian_version" '
        /^ (\*\*\*)? +[^ ]+ [0-9]+$/ { v = ($1 == "***") ? $2 : $1; next }
        v == want && $2 ~ /^(https?|file):/ { print $2, $3; exit }')
    [ -n "$origin" ] || die "cannot tell which mirror qt6-base-dev-tools $debian_version came from"
    suite=${origin#* }
    apt="$1/apt"
    mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial"
    echo "deb-src ${origin% *} ${suite%/*} ${suite#*/}" >"$apt/sources.list"
    set -- -o Dir::Etc::SourceList="$apt/sources.list" -o Dir::Etc::SourceParts="$apt/none" \
        -o Dir::State::Lists="$apt/lists" -o Dir::Cache="$apt/cache"
    # As root, apt would hand the download to its sandbox user, who may not
    # enter a private cache folder.
    [ "$(id -u)" -ne 0 ] || set -- "$@" -o APT::Sandbox::User=root
    apt-get -q "$@" update
    (cd "$apt/.." && apt-get -q "$@" source --only-source "qt6-base=$debian_version")
}

build() {
    make -s deps PACKAGES="cmake ninja-build g++-mingw-w64-x86-64-posix dpkg-dev perl"
    jobs=${VARNEL_QT_JOBS:-$(nproc)}
    work="$prefix-build"
    say "building Qt $qt_version for Windows into $prefix: done once, some 100 CPU-minutes"
    say "(about $(( (100 + jobs - 1) / jobs )) minutes with $jobs jobs); work folder $work"
    start=$(date +%s)
    rm -rf "$work" "$prefix"
    mkdir -p "$work/build"
    fetch_source "$work"
    src=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
    [ -n "$src" ] || die "apt-get source left no qt6-base folder in $work"
    # shellcheck disable=SC2086
    (cd "$work/build" && "$src/configure" $QT_OPTIONS -prefix "$prefix" -qt-host-path /usr \
        -- -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-posix.cmake" \
           -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake)
    cmake --build "$work/build" --parallel "$jobs"
    cmake --install "$work/build"
    usable "$prefix" || die "the build did not give a usable Qt"
    minutes=$(( ($(date +%s) - start + 59) / 60 ))
    printf '%s\nmade: built here in %s min with %s jobs\n' "$record" "$minutes" "$jobs" >"$stamp"
    rm -rf "$work"
    say "done in $minutes minutes: $prefix"
}

# One maker at a time: another checkout may be making the same folder.
mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
if [ "$mode" = build ]; then
    build
elif [ -f "$tarball" ] && from_tarball; then
    :
elif reusable; then
    say "reusing $prefix ($(sed -n 's/^made: //p' "$stamp"))"
else
    say "no prebuilt Qt${tarball:+ at $tarball} and none usable in $prefix: building it"
    build
fi

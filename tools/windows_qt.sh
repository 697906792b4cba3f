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
# Nothing but Debian packages is downloaded.
set -eu
cd "$(dirname "$0")/.."
repo=$PWD

# What the Windows Qt is built with. Recorded in the Qt folder; a folder
# built otherwise is not reused. Why some of these are needed:
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
TOOLCHAIN="$repo/cmake/mingw-w64-posix.cmake"
HOST_PACKAGES="qt6-base-dev qt6-base-dev-tools xz-utils"
BUILD_PACKAGES="cmake ninja-build g++-mingw-w64-x86-64-posix dpkg-dev perl"

say() { echo "windows-qt: $*" >&2; }
die() { say "$*"; exit 1; }

mode=${1:-ensure}
case $mode in
    where|ensure|build) ;;
    *) die "usage: $0 [where|ensure|build]" ;;
esac

# The host tools decide the version: moc, uic and rcc of the same Qt must
# process the sources for the Windows libraries.
if [ "$mode" != where ]; then
    make -s deps PACKAGES="$HOST_PACKAGES"
fi
debian_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev-tools 2>/dev/null || true)
[ -n "$debian_version" ] || die "qt6-base-dev-tools is not installed"
qt_version=${debian_version%%+*}
qt_version=${qt_version%%-*}

prefix=${VARNEL_QT_WINDOWS:-${XDG_CACHE_HOME:-$HOME/.cache}/varnel/qt-$qt_version-win64-static}
tarball=${VARNEL_QT_TARBALL-$(dirname "$repo")/shared/cache/qt-$qt_version-win64-static.tar.xz}
stamp="$prefix/varnel-qt.txt"

if [ "$mode" = where ]; then
    echo "$prefix"
    exit 0
fi

# The record of what is in the folder; the first two lines decide reuse.
wanted_record() {
    echo "source: Debian qt6-base $debian_version"
    echo "options: $(echo $QT_OPTIONS)"
}

record_matches() {
    [ -f "$stamp" ] && [ "$(head -n 2 "$stamp")" = "$(wanted_record)" ]
}

# A folder counts only when it holds what the build needs: the static
# libraries, the plug-ins that get linked in, and the same Qt version.
check_prefix() {
    dir=$1
    for f in lib/cmake/Qt6/qt.toolchain.cmake lib/libQt6Core.a lib/libQt6Gui.a \
             lib/libQt6Widgets.a lib/libQt6Test.a \
             plugins/platforms/libqwindows.a plugins/platforms/libqoffscreen.a \
             plugins/styles/libqwindowsvistastyle.a \
             plugins/imageformats/libqjpeg.a plugins/imageformats/libqico.a; do
        [ -f "$dir/$f" ] || { say "$dir has no $f"; return 1; }
    done
    found=$(sed -n 's/^set(PACKAGE_VERSION "\(.*\)")$/\1/p' "$dir/lib/cmake/Qt6/Qt6ConfigVersionImpl.cmake")
    [ "$found" = "$qt_version" ] || { say "$dir holds Qt $found, the host tools are $qt_version"; return 1; }
}

from_tarball() {
    sum=$(sha256sum "$tarball" | cut -d' ' -f1)
    if record_matches && grep -q "^made: from a tarball, sha256 $sum" "$stamp" && check_prefix "$prefix"; then
        say "reusing $prefix (unpacked from $tarball)"
        return 0
    fi
    say "unpacking the prebuilt Qt $tarball into $prefix (a few seconds)"
    mkdir -p "$(dirname "$prefix")"
    unpack="$prefix.unpack"
    rm -rf "$unpack"
    mkdir -p "$unpack"
    tar -xJf "$tarball" -C "$unpack"
    if ! check_prefix "$unpack/prefix"; then
        rm -rf "$unpack"
        say "the tarball does not hold a usable Qt $qt_version; not using it"
        return 1
    fi
    rm -rf "$prefix"
    mv "$unpack/prefix" "$prefix"
    rmdir "$unpack"
    # The tarball was configured with the options above (its README says so).
    { wanted_record; echo "made: from a tarball, sha256 $sum ($tarball)"; } >"$stamp"
}

# Debian's source package of the host tools' version, from the mirror that
# apt installed them from, through a private apt configuration.
fetch_source() {
    dest=$1
    origin=$(apt-cache policy qt6-base-dev-tools | awk -v want="$debian_version" '
        /^ (\*\*\*)? +[^ ]+ [0-9]+$/ { v = ($1 == "***") ? $2 : $1; next }
        v == want && $2 ~ /^(https?|file):/ { print $2, $3; exit }')
    [ -n "$origin" ] || die "cannot tell which mirror qt6-base-dev-tools $debian_version came from"
    uri=${origin% *}
    suite=${origin#* }
    component=${suite#*/}
    suite=${suite%/*}
    say "fetching Debian's qt6-base $debian_version source from $uri $suite/$component"
    apt="$dest/apt"
    mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial"
    echo "deb-src $uri $suite $component" >"$apt/sources.list"
    set -- -o Dir::Etc::SourceList="$apt/sources.list" -o Dir::Etc::SourceParts="$apt/none" \
        -o Dir::State::Lists="$apt/lists" -o Dir::Cache="$apt/cache"
    # As root, apt would hand the download to its sandbox user, who may not
    # enter a private cache folder.
    [ "$(id -u)" -ne 0 ] || set -- "$@" -o APT::Sandbox::User=root
    apt-get -q "$@" update
    (cd "$dest" && apt-get -q "$@" source --only-source "qt6-base=$debian_version")
}

build() {
    make -s deps PACKAGES="$BUILD_PACKAGES"
    jobs=${VARNEL_QT_JOBS:-$(nproc)}
    work="$prefix-build"
    say "building Qt $qt_version for Windows from Debian's source package into $prefix"
    say "this is done once and takes long: about 1,000 build steps, some 100 CPU-minutes"
    say "(about $(( (100 + jobs - 1) / jobs )) minutes here, building $jobs at a time); the result is about 100 MB"
    say "work folder: $work (removed when the build succeeds)"
    start=$(date +%s)
    # A used build folder would keep its earlier options: start afresh.
    rm -rf "$work"
    mkdir -p "$work"
    fetch_source "$work"
    src=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
    [ -n "$src" ] || die "apt-get source left no qt6-base folder in $work"
    mkdir -p "$work/build"
    rm -rf "$prefix"
    say "configuring ($(( $(date +%s) - start )) s so far)"
    # shellcheck disable=SC2086
    (cd "$work/build" && "$src/configure" $QT_OPTIONS -prefix "$prefix" -qt-host-path /usr \
        -- -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" \
           -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake)
    say "compiling with $jobs jobs ($(( $(date +%s) - start )) s so far)"
    cmake --build "$work/build" --parallel "$jobs"
    cmake --install "$work/build"
    check_prefix "$prefix" || die "the build did not give a usable Qt"
    minutes=$(( ($(date +%s) - start + 59) / 60 ))
    { wanted_record; echo "made: built here in $minutes min with $jobs jobs on $(date -u +%Y-%m-%d)"; } >"$stamp"
    rm -rf "$work"
    say "done in $minutes minutes: $prefix ($(du -sh "$prefix" | cut -f1))"
}

# One maker at a time: another checkout may be unpacking or building the
# same folder right now.
mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
if ! flock -n 9; then
    say "waiting for another run that is making $prefix"
    flock 9
fi

case $mode in
    build)
        build ;;
    ensure)
        if [ -n "$tarball" ] && [ -f "$tarball" ] && from_tarball; then
            :
        elif record_matches && check_prefix "$prefix"; then
            say "reusing $prefix ($(sed -n 's/^made: //p' "$stamp"))"
        else
            say "no prebuilt Qt${tarball:+ at $tarball} and no matching one in $prefix:"
            say "building it, the last resort"
            build
        fi ;;
esac

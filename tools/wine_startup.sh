#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The start-up benchmark under Wine: the Windows builds of its two probes
# (Varnel, and a one-button window of the same size, both linked as
# varnel.exe is) timed by the benchmark's own driver from process start to
# the first frame, alternately, on a virtual X server with a window manager.
#   tools/wine_startup.sh [runs]   (default 20)
set -eu
cd "$(dirname "$0")/.."
. tools/wine_env.sh
runs=${1:-20}

sh tools/deps.sh g++ $WINE_PACKAGES $X_PACKAGES
sh tools/windows_build.sh probe_varnel probe_baseline

# The driver runs on Linux and starts "probe_varnel" and "probe_baseline"
# beside itself: here those hand over to Wine. A Windows program writes its
# line ends as CR LF on standard output, which the driver does not expect:
# the CR goes, line by line as it comes.
dir=build/windows/wine-startup
mkdir -p "$dir"
g++ -std=c++17 -O2 -o "$dir/startup_bench" bench/startup/startup_bench.cpp
for probe in probe_varnel probe_baseline; do
    printf '#!/bin/sh\nwine "%s" | sed -u "s/\\r$//"\n' "$PWD/build/windows/$probe.exe" >"$dir/$probe"
    chmod +x "$dir/$probe"
done

trap wine_x_down EXIT INT TERM
x_up
wine_up
# The driver's X11 mode: a real display with a window manager. The platform
# it names does not reach the probes (Wine drops QT_* variables, see
# tools/wine_qtest.sh): under Wine they draw through Windows.
echo "under Wine: the probes use Qt's Windows platform, whatever the line below names"
"$dir/startup_bench" --x11 "$runs"

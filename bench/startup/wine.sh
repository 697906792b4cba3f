#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The start-up benchmark under Wine (make windows-bench): the Windows builds
# of its two probes (Varnel, and a one-button window of the same size, both
# linked as varnel.exe is) timed by the benchmark's own driver from process
# start to the first frame, alternately, on the display and in the booted
# Wine prefix the caller gives.
#   bench/startup/wine.sh [runs]   (default 20)
set -eu
cd "$(dirname "$0")/../.."
runs=${1:-20}

# The driver runs on Linux and starts "probe_varnel" and "probe_baseline"
# beside itself: here those hand over to Wine. A Windows program writes its
# line ends as CR LF on standard output, which the driver does not expect:
# the CR goes, line by line as it comes.
dir=build/windows/wine-startup
mkdir -p "$dir"
g++ -std=c++17 -O2 -o "$dir/startup_bench" bench/startup/startup_bench.cpp
for probe in probe_varnel probe_baseline; do
    printf '#!/bin/sh\nwine "%s" | sed -u "s/\\r$//"\n' "$PWD/build/windows/bench/startup/$probe.exe" >"$dir/$probe"
    chmod +x "$dir/$probe"
done
# The platform the driver names does not reach the probes (Wine hands them
# no QT_* variable): under Wine they draw through Windows.
echo "under Wine: the probes use Qt's Windows platform, whatever the line below names"
"$dir/startup_bench" --x11 "$runs"

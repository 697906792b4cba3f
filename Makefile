# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Everyday entry points; CMake presets do the real work.

BUILD_PACKAGES := cmake ninja-build g++ make
TEST_PACKAGES  := libgtest-dev acl strace
UI_PACKAGES    := qt6-base-dev libgl-dev libxcb1-dev fonts-dejavu-core
BENCH_PACKAGES := libbenchmark-dev xvfb metacity x11-utils
PACKAGE_PACKAGES := dpkg-dev file git

.PHONY: all test wine-test run bench asan screenshot package clean deps-test deps-run deps-bench

all: test

deps-test:
	@sh tools/deps.sh $(BUILD_PACKAGES) $(TEST_PACKAGES) $(UI_PACKAGES)

deps-run:
	@sh tools/deps.sh $(BUILD_PACKAGES) $(UI_PACKAGES)

deps-bench:
	@sh tools/deps.sh $(BUILD_PACKAGES) $(UI_PACKAGES) $(BENCH_PACKAGES)

test: deps-test
	cmake --preset debug
	cmake --build --preset debug
	ctest --preset debug
	@if command -v wine >/dev/null 2>&1 && command -v x86_64-w64-mingw32-g++-posix >/dev/null 2>&1; then \
	    sh tools/wine_test.sh; \
	else \
	    echo "Wine or MinGW-w64 is not installed: the Windows tests were skipped ('make wine-test' installs and runs them)."; \
	fi

# The patch core and its tests built for Windows and run under Wine.
wine-test:
	sh tools/wine_test.sh

run: deps-run
	cmake --preset release
	cmake --build --preset release --target varnel
	./build/release/ui/varnel

asan: deps-test
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

bench: deps-bench
	cmake --preset bench
	cmake --build --preset bench
	./build/bench/bench/patch_bench --benchmark_repetitions=15 --benchmark_report_aggregates_only=true
	./build/bench/bench/startup/startup_bench 40
	sh tools/with_x11.sh ./build/bench/bench/startup/startup_bench --x11 40

screenshot: deps-run
	cmake --preset release
	cmake --build --preset release --target varnel
	sh tools/screenshot.sh build/release/ui/varnel 14

# A Debian package in build/release; its dependencies are read off the binary.
# CPack would give the outer archive's members the builder's umask.
package:
	@sh tools/deps.sh $(BUILD_PACKAGES) $(UI_PACKAGES) $(PACKAGE_PACKAGES)
	cmake --preset release
	cmake --build --preset release
	cd build/release && umask 022 && cpack

clean:
	rm -rf build

# Windows: one static varnel.exe, cross-built with MinGW-w64 and a static Qt
# that tools/windows_qt.sh makes once (about an hour) or takes from a
# prebuilt tarball; tested, driven and packaged under Wine.
.PHONY: windows windows-test windows-package windows-screenshot windows-bench

windows:
	sh tools/windows_build.sh

windows-test:
	sh tools/windows_test.sh

windows-package:
	sh tools/windows_package.sh

windows-screenshot:
	sh tools/windows_build.sh
	sh tests/system/wine_keyboard.sh build/windows/ui/varnel.exe docs/window-wine.png

windows-bench:
	sh tools/wine_startup.sh

# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Everyday entry points: each installs the Debian packages it needs, then
# hands over to a CMake workflow preset.

BUILD   := cmake ninja-build g++ make
UI      := qt6-base-dev qt6-tools-dev qt6-l10n-tools libgl-dev libxcb1-dev fonts-dejavu-core
TESTS   := libgtest-dev acl strace
X11     := xvfb openbox xdotool x11-utils
BENCH   := libbenchmark-dev
DEB     := dpkg-dev file git lintian reuse appstream man-db imagemagick desktop-file-utils \
           devscripts binutils hicolor-icon-theme gtk-update-icon-cache
MINGW   := g++-mingw-w64-x86-64-posix googletest
WINDOWS := $(MINGW) qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools qt6-translations-l10n xz-utils
WINE    := wine wine64 fonts-wine nsis $(X11)

all: test

# Installs whichever of PACKAGES is missing (with sudo when not root); where
# there is no apt-get, names them and stops.
deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${db:Status-Status}\n' $$p 2>/dev/null | \
	    grep -qx installed || printf ' %s' $$p; done); [ -z "$$missing" ] && exit 0; \
	command -v apt-get >/dev/null || { echo "Varnel needs these packages (Debian names):$$missing" >&2; exit 1; }; \
	sudo=$$([ "$$(id -u)" -eq 0 ] || echo sudo); echo "Installing missing packages:$$missing"; \
	$$sudo apt-get update -qq && DEBIAN_FRONTEND=noninteractive $$sudo apt-get install -y -qq --no-install-recommends $$missing

# The Windows tests join in where Wine and MinGW-w64 are installed.
test:
	@$(MAKE) -s deps PACKAGES="$(BUILD) $(UI) $(TESTS)"
	cmake --workflow --preset debug
	@if command -v wine >/dev/null && command -v x86_64-w64-mingw32-g++-posix >/dev/null; then \
	    cmake --workflow --preset windows-cross; \
	else echo "Wine or MinGW-w64 is not installed: 'make wine-test' installs them and runs the Windows tests."; fi

wine-test:
	@$(MAKE) -s deps PACKAGES="$(BUILD) $(MINGW) wine wine64"
	cmake --workflow --preset windows-cross

asan:
	@$(MAKE) -s deps PACKAGES="$(BUILD) $(UI) $(TESTS)"
	cmake --workflow --preset asan

# CPack would give the outer archive's members the builder's umask.
package package-check:
	@$(MAKE) -s deps PACKAGES="$(BUILD) $(UI) $(DEB)"
	umask 022 && cmake --workflow --preset $@

bench:
	@$(MAKE) -s deps PACKAGES="$(BUILD) $(UI) $(BENCH) $(X11)"
	cmake --preset bench
	cmake --build --preset bench
	./build/bench/bench/patch_bench --benchmark_repetitions=15 --benchmark_report_aggregates_only=true
	./build/bench/bench/startup/startup_bench 40
	sh tests/support/x11.sh ./build/bench/bench/startup/startup_bench --x11 40

# The program alone, as the release build makes it.
varnel:
	@$(MAKE) -s deps PACKAGES="$(BUILD) $(UI)"
	cmake --preset release
	cmake --build --preset release --target varnel

run: varnel
	./build/release/ui/varnel

screenshot: varnel
	@$(MAKE) -s deps PACKAGES="$(X11) imagemagick qt6ct"
	sh tests/support/x11.sh sh tools/screenshot.sh build/release/ui/varnel 14

clean:
	rm -rf build

# Windows: one static varnel.exe, cross-built with MinGW-w64 and a static Qt
# that tools/windows_qt.sh takes from a prebuilt tarball or makes once
# (about an hour). Building needs no Wine; testing runs under it.
QT_WINDOWS = VARNEL_QT_WINDOWS=$$(sh tools/windows_qt.sh where)
# On a display of its own, in the Wine prefix that the tests boot.
ON_WINE = $(QT_WINDOWS) ctest --preset windows -R wine_boot && . build/windows/wine.env && sh tests/support/x11.sh

windows:
	@$(MAKE) -s deps PACKAGES="$(BUILD) $(WINDOWS)"
	sh tools/windows_qt.sh ensure
	$(QT_WINDOWS) cmake --preset windows
	$(QT_WINDOWS) cmake --build --preset windows

# The zip and the installer, without running anything under Wine.
windows-package: windows
	@$(MAKE) -s deps PACKAGES="nsis"
	$(QT_WINDOWS) cpack --preset windows

windows-test: windows
	@$(MAKE) -s deps PACKAGES="$(WINE) fonts-dejavu-core"
	$(QT_WINDOWS) cmake --workflow --preset windows

windows-screenshot: windows
	@$(MAKE) -s deps PACKAGES="$(WINE) imagemagick"
	$(ON_WINE) sh tests/system/wine_keyboard.sh build/windows/ui/varnel.exe docs/window-wine.png

windows-bench: windows
	@$(MAKE) -s deps PACKAGES="$(WINE)"
	$(QT_WINDOWS) cmake --build --preset windows --target probe_varnel probe_baseline
	$(ON_WINE) sh bench/startup/wine.sh

.PHONY: all deps test wine-test asan package package-check bench varnel run screenshot clean \
        windows windows-package windows-test windows-screenshot windows-bench

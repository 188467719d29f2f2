# The Windows program: cross-built here with Debian's MinGW-w64 and tested
# under Wine. Included at the end of the Makefile.
#   make windows-deps              64-bit libraries in build-windows/x86_64/prefix
#   make windows-deps ARCH=i686    32-bit ones (compiled only: no 32-bit Wine)
#   make windows                   orvalis.exe, orvalis-cli.exe and the test programs
#   make windows ARCH=i686         the 32-bit orvalis-cli.exe (compiled only)
#   make windows-test              the tests under Wine (scripts/windows-test)
#   make windows-package           the NSIS installer ORVALIS-<version>-win64.exe
ARCH ?= x86_64
WINDOWS_DIR ?= build-windows
WINDOWS_JOBS ?= 2
WINDOWS_BUILD ?= $(WINDOWS_DIR)/$(ARCH)/build
WINDOWS_BUILD_TYPE ?= Release
# A unity build: several times faster on CI's 2 cores (file-local name
# clashes are listed in cmake/unity-exclusions.cmake).
WINDOWS_UNITY ?= ON

.PHONY: setup-windows windows-deps windows windows-test windows-package clean-windows

setup-windows:
	scripts/setup-windows

# Debian's sources of libzip, pugixml, libpng, GoogleTest and nlohmann-json,
# built once (a stamp each); for the 64-bit desktop program Qt 6 from
# Debian's qt6-base source (scripts/windows-qt, cached outside the checkout);
# then the Wine prefix the tests run in.
windows-deps: setup-windows
	WINDOWS_BUILD_DIR=$(WINDOWS_DIR) JOBS=$(WINDOWS_JOBS) scripts/windows-deps $(ARCH)
	@if [ "$(ARCH)" = x86_64 ]; then \
		WINDOWS_BUILD_DIR=$(WINDOWS_DIR) JOBS=$(WINDOWS_JOBS) scripts/windows-qt; fi
	ORVALIS_WINEPREFIX=$(abspath $(WINDOWS_DIR))/wine scripts/wine-run --init

# The programs with the MinGW-w64 toolchain file: orvalis.exe with the Qt of
# windows-deps (64-bit only), orvalis-cli.exe and the tests. Configured again
# only when these options change, otherwise only rebuilt.
WINDOWS_GUI = $(if $(filter x86_64,$(ARCH)),-DORVALIS_BUILD_GUI=ON -DORVALIS_QT_PREFIX=$(abspath $(WINDOWS_DIR))/$(ARCH)/qt,-DORVALIS_BUILD_GUI=OFF)
WINDOWS_CMAKE_OPTIONS = -G Ninja \
	-DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-$(ARCH).cmake \
	-DORVALIS_WINDOWS_PREFIX=$(abspath $(WINDOWS_DIR))/$(ARCH)/prefix \
	-DCMAKE_BUILD_TYPE=$(WINDOWS_BUILD_TYPE) \
	-DCMAKE_UNITY_BUILD=$(WINDOWS_UNITY) -DCMAKE_UNITY_BUILD_BATCH_SIZE=16 \
	$(WINDOWS_GUI) -DORVALIS_BUILD_BENCH=OFF
windows: windows-deps
	@if [ ! -f $(WINDOWS_BUILD)/build.ninja ] || \
		[ "$$(cat $(WINDOWS_BUILD)/.orvalis-options 2>/dev/null)" != "$(WINDOWS_CMAKE_OPTIONS)" ]; then \
		cmake -S . -B $(WINDOWS_BUILD) $(WINDOWS_CMAKE_OPTIONS) && \
		echo "$(WINDOWS_CMAKE_OPTIONS)" > $(WINDOWS_BUILD)/.orvalis-options; \
	fi
	cmake --build $(WINDOWS_BUILD) -j $(WINDOWS_JOBS)

# Under Wine in the prefix build-windows/wine: the core test program, then
# the checks of scripts/windows-test.
windows-test: windows
	WINDOWS_BUILD=$(WINDOWS_BUILD) ORVALIS_WINEPREFIX=$(abspath $(WINDOWS_DIR))/wine \
		scripts/windows-test

# The installer, made by CPack's NSIS generator, then installed silently
# under Wine into a prefix of its own and its orvalis-cli.exe run.
windows-package: windows
	cd $(WINDOWS_BUILD) && cpack -G NSIS
	@if [ "$(ARCH)" = x86_64 ]; then \
		WINDOWS_BUILD=$(WINDOWS_BUILD) ORVALIS_WINEPREFIX=$(abspath $(WINDOWS_DIR))/wine \
			scripts/windows-package-check; \
	else echo "windows-package: no 32-bit Wine here; the installer is not tried"; fi

clean-windows:
	rm -rf $(WINDOWS_DIR)

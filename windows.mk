# The Windows program: cross-built here with Debian's MinGW-w64 and tested
# under Wine. Included at the end of the Makefile.
#   make windows-deps              64-bit libraries in build-windows/x86_64/prefix
#   make windows-deps ARCH=i686    32-bit ones (compiled only: no 32-bit Wine)
ARCH ?= x86_64
WINDOWS_DIR ?= build-windows
WINDOWS_JOBS ?= 2

.PHONY: setup-windows windows-deps clean-windows

setup-windows:
	scripts/setup-windows

# Debian's sources of libzip, pugixml, libpng, GoogleTest and nlohmann-json,
# built once (a stamp each), then the Wine prefix the tests run in.
windows-deps: setup-windows
	WINDOWS_BUILD_DIR=$(WINDOWS_DIR) JOBS=$(WINDOWS_JOBS) scripts/windows-deps $(ARCH)
	ORVALIS_WINEPREFIX=$(abspath $(WINDOWS_DIR))/wine scripts/wine-run --init

# To come: windows (the programs with cmake/mingw-w64-$(ARCH).cmake),
# windows-test (ctest through scripts/wine-run) and windows-package (NSIS).

clean-windows:
	rm -rf $(WINDOWS_DIR)

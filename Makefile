# A thin front over CMake. `make run` and `make test` set up a fresh Debian 12
# machine first (the cross compiler, Wine, Xvfb), then build.
.PHONY: run test setup build build-native build-windows build-windows64 test-native test-wine test-wine64 test-package demo package benchmark clean

BUILD := build
JOBS ?= $(shell nproc)
COMMAND ?=

run: setup build-windows
	scripts/run.sh $(COMMAND)

# The GUI tests run against both Windows builds, 32-bit and 64-bit; the
# package is made and checked, and the demo runs, as a user would run them.
test: setup build-native build-windows build-windows64 test-native test-wine test-wine64 test-package demo

setup:
	@scripts/setup.sh

build: build-native build-windows build-windows64

build-windows:
	@[ -f $(BUILD)/windows/CMakeCache.txt ] || cmake -S . -B $(BUILD)/windows \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD)/windows -j $(JOBS)

# The same sources for 64-bit hosts.
build-windows64:
	@[ -f $(BUILD)/windows64/CMakeCache.txt ] || cmake -S . -B $(BUILD)/windows64 \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD)/windows64 -j $(JOBS)

build-native:
	@[ -f $(BUILD)/native/CMakeCache.txt ] || cmake -S . -B $(BUILD)/native -DCMAKE_BUILD_TYPE=Debug
	cmake --build $(BUILD)/native -j $(JOBS)

test-native: build-native
	ctest --test-dir $(BUILD)/native --output-on-failure -j $(JOBS)

# The dialogs share one X display, so the GUI tests run one at a time.
test-wine: build-windows
	scripts/wine-session.sh --xvfb --test-drives ctest --test-dir $(BUILD)/windows --output-on-failure -j 1

# The scripted demo even with a display: all five dialogs and the editor, demo in build/screenshots/.
demo: setup build-windows
	scripts/wine-session.sh --xvfb scripts/demo.sh

# The same suite against the 64-bit build, in a 64-bit prefix of its own.
test-wine64: build-windows64
	scripts/wine-session.sh --win64 --xvfb --test-drives ctest --test-dir $(BUILD)/windows64 --output-on-failure -j 1

# The ZIP for Windows users: both hosts, both libraries, the help file, the read-me texts.
package: setup build-windows build-windows64
	scripts/package.sh $(BUILD)/package/Brindlework.zip

test-package: package
	scripts/check-package.sh $(BUILD)/package/Brindlework.zip

# Figures of the files' sizes, the dialogs, the library's load, the folder
# tree and the chkdsk drive scan, each beside its floor; the reports go to
# build/benchmarks/. The 64-bit build's sizes, dialogs, load and drive scan
# go to build/benchmarks/64-bit/ (the folder tree's figures are the same code's).
benchmark: setup build-windows build-windows64
	cmake --build $(BUILD)/windows --target benchmarks -j $(JOBS)
	cmake --build $(BUILD)/windows64 --target benchmarks -j $(JOBS)
	scripts/wine-session.sh --xvfb scripts/benchmark.sh
	scripts/wine-session.sh --xvfb --bench-drives scripts/benchmark.sh --drives
	scripts/wine-session.sh --win64 --xvfb scripts/benchmark.sh binary-sizes dialog-ready library-load
	scripts/wine-session.sh --win64 --xvfb --bench-drives scripts/benchmark.sh --drives

clean:
	rm -rf $(BUILD)

# A thin front over CMake. `make run` and `make test` set up a fresh Debian 12
# machine first (the cross compilers, Wine, Xvfb), then build.
#
# Some machines run 64-bit programs only, and Wine cannot start a 32-bit
# Windows program there (scripts/machine.sh tells which kind this is). There
# the main job runs on the 64-bit build, and the 32-bit GUI suite is skipped
# and counted as skipped; the 32-bit build is still built and checked.
.PHONY: run test soak setup build build-native build-windows build-windows64 test-native test-binaries test-wine \
        test-wine64 test-64bit-only soak-wine soak-wine64 demo package test-package benchmark clean

# Targets run one at a time even under make -j (each build runs its own
# compilers in parallel): two Wine sessions of one prefix would fight over
# its server and test drives. make test runs the 32-bit and the 64-bit lane
# side by side, each with its own prefixes, displays and drives, after
# building everything once; within the lanes BRINDLE_BUILT=1 keeps the
# targets from building again, so that no tree is built twice at once.
.NOTPARALLEL:
built_or = $(if $(BRINDLE_BUILT),,$(1))

BUILD := build
JOBS ?= $(shell nproc)
COMMAND ?=
export BRINDLE_TEST_STEPS
step := scripts/test-step.sh

# The main job, on the build this machine can run (the 32-bit one where it can).
run: setup
	@scripts/machine.sh describe
	@$(MAKE) --no-print-directory build-$$(scripts/machine.sh main-build)
	scripts/run.sh $(COMMAND)

# Everything that can run on this machine; the closing line counts what was skipped.
test: BRINDLE_TEST_STEPS = $(BUILD)/test-steps.txt
test: setup
	@scripts/machine.sh describe
	@$(step) begin
	@$(MAKE) --no-print-directory build test-binaries test-package
	@BRINDLE_BUILT=1 MAKE='$(MAKE)' scripts/side-by-side.sh \
	  32-bit 'test-native test-wine' 64-bit 'test-wine64 test-64bit-only'
	@$(step) end

# The soak at full length, 1,000 calls over the six dialogs in one process,
# against each build this machine runs (make test runs it with 72 calls).
soak: BRINDLE_TEST_STEPS = $(BUILD)/soak-steps.txt
soak: setup
	@$(step) begin
	@$(MAKE) --no-print-directory build-windows build-windows64
	@BRINDLE_BUILT=1 MAKE='$(MAKE)' scripts/side-by-side.sh 32-bit soak-wine 64-bit soak-wine64
	@$(step) end "make soak"

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

test-native: $(call built_or,build-native)
	@$(step) run "native tests" ctest --test-dir $(BUILD)/native --output-on-failure -j $(JOBS)

# Both builds as a host receives them, checked without running them.
test-binaries: $(call built_or,build-windows build-windows64)
	@$(step) run "binaries of both builds" sh -c '\
	  scripts/check-binary.sh pei-i386 $(addprefix $(BUILD)/windows/,Brindlework.dll brindle.exe BrindleEdit.exe) && \
	  scripts/check-binary.sh pei-x86-64 $(addprefix $(BUILD)/windows64/,Brindlework.dll brindle.exe BrindleEdit.exe)'

# The dialogs share one X display, so the GUI tests run one at a time.
test-wine: $(call built_or,build-windows)
	@if scripts/machine.sh runs-32bit; then \
	  $(step) run "GUI suite 32-bit" scripts/wine-session.sh --xvfb --test-drives \
	    ctest --test-dir $(BUILD)/windows --output-on-failure -j 1; \
	else \
	  $(step) skip "GUI suite 32-bit" "$$(scripts/machine.sh why-not)"; \
	fi

# The same suite against the 64-bit build, in a 64-bit prefix of its own.
test-wine64: $(call built_or,build-windows64)
	@$(step) run "GUI suite 64-bit" scripts/wine-session.sh --win64 --xvfb --test-drives \
	  ctest --test-dir $(BUILD)/windows64 --output-on-failure -j 1

soak-wine: $(call built_or,build-windows)
	@if scripts/machine.sh runs-32bit; then \
	  BRINDLE_SOAK_CALLS=1000 $(step) run "soak 32-bit" scripts/wine-session.sh --xvfb --test-drives \
	    ctest --test-dir $(BUILD)/windows -R '^Soak\.' --output-on-failure; \
	else \
	  $(step) skip "soak 32-bit" "$$(scripts/machine.sh why-not)"; \
	fi

soak-wine64: $(call built_or,build-windows64)
	@BRINDLE_SOAK_CALLS=1000 $(step) run "soak 64-bit" scripts/wine-session.sh --win64 --xvfb --test-drives \
	  ctest --test-dir $(BUILD)/windows64 -R '^Soak\.' --output-on-failure

# The path of a machine that runs no 32-bit programs, taken on every machine:
# the 32-bit suite is skipped, and the main job's demo runs on the 64-bit build.
test-64bit-only: $(call built_or,build-windows64)
	@$(step) run "64-bit-only path with the demo" scripts/check-64bit-only.sh

# The scripted demo even with a display: all six dialogs and the editor, screenshots in build/screenshots/.
demo: setup
	@$(MAKE) --no-print-directory build-$$(scripts/machine.sh main-build)
	scripts/wine-session.sh $$(scripts/machine.sh runs-32bit || echo --win64) --xvfb scripts/demo.sh

# The ZIP for Windows users: both hosts, both libraries, the help file, the read-me texts.
package: setup build-windows build-windows64
	scripts/package.sh $(BUILD)/package/Brindlework.zip

test-package: package
	@$(step) run "package" scripts/check-package.sh $(BUILD)/package/Brindlework.zip

# Figures of the files' sizes, the dialogs, the library's load, the folder
# tree, the chkdsk drive scan and BrindleEdit's trial run, each beside its floor; the reports go to
# build/benchmarks/. The 64-bit build's sizes, dialogs, load and drive scan
# go to build/benchmarks/64-bit/ (the folder tree's figures are the same code's).
benchmark: setup build-windows build-windows64
	cmake --build $(BUILD)/windows --target benchmarks -j $(JOBS)
	cmake --build $(BUILD)/windows64 --target benchmarks -j $(JOBS)
	@if scripts/machine.sh runs-32bit; then \
	  scripts/wine-session.sh --xvfb scripts/benchmark.sh && \
	  scripts/wine-session.sh --xvfb --bench-drives scripts/benchmark.sh --drives; \
	else echo "benchmark: no 32-bit figures, because $$(scripts/machine.sh why-not)"; fi
	scripts/wine-session.sh --win64 --xvfb scripts/benchmark.sh binary-sizes dialog-ready library-load recovery-copy trial-listing
	scripts/wine-session.sh --win64 --xvfb --bench-drives scripts/benchmark.sh --drives

clean:
	rm -rf $(BUILD)

# The two commands: `make run` builds and starts the program, `make test`
# builds and runs every test, then again under AddressSanitizer and
# UndefinedBehaviorSanitizer. Both first install what a fresh Debian machine lacks.
# `make fuzz` runs each fuzz target for FUZZ_SECONDS; `make bench` the benchmarks;
# `make package` builds the Debian package kvpm_<version>_<arch>.deb in $(BUILD).

BUILD      ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
PACKAGES   := cmake ninja-build g++ pkg-config qt6-base-dev libgtest-dev libgmock-dev \
              libbenchmark-dev libyaml-cpp-dev nlohmann-json3-dev appstream desktop-file-utils \
              dpkg-dev file
SUDO       := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
FUZZ_PACKAGES := clang libclang-rt-14-dev
FUZZ_TARGETS  := ini-write
FUZZ_SECONDS  ?= 30
DEMO       := $(CURDIR)/$(BUILD)/demo-prefix

.PHONY: all deps fuzz-deps configure build run test test-sanitizers test-package package demo \
        bench fuzz clean

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing missing packages:" $$missing; \
	  $(SUDO) apt-get update -qq && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing; \
	fi

configure: deps
	@[ -f $(BUILD)/build.ninja ] || cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: configure
	cmake --build $(BUILD) -j$(JOBS)

# Without WINEPREFIX the program runs against a demo game installation.
run: build
	@if [ -n "$$WINEPREFIX" ]; then \
	  echo "Starting KV Playlist Manager with the Wine prefix $$WINEPREFIX"; \
	  ./$(BUILD)/kvpm; \
	else \
	  tools/make-demo-prefix.sh "$(DEMO)"; \
	  echo "WINEPREFIX is not set: starting KV Playlist Manager with the demo installation in $(DEMO)"; \
	  WINEPREFIX="$(DEMO)" ./$(BUILD)/kvpm; \
	fi

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)
	@$(MAKE) --no-print-directory test-package
	@$(MAKE) --no-print-directory test-windows-if-wine
	@$(MAKE) --no-print-directory test-windows-gui-if-qt
	@$(MAKE) --no-print-directory test-sanitizers

# The Debian package, with its dependencies found by dpkg-shlibdeps.
package: build
	cmake --build $(BUILD) -j$(JOBS) --target package

# The package installed into a scratch root: everything where desktops look.
test-package: build
	tools/package-test.sh $(BUILD)

# The whole suite again, Qt tests included (they run clean, leak checks
# included), with every index of the standard containers checked too.
test-sanitizers: deps
	@[ -f $(BUILD)-asan/build.ninja ] || cmake -S . -B $(BUILD)-asan -G Ninja \
	  -DCMAKE_BUILD_TYPE=Debug -DKVPM_SANITIZE=ON -DKVPM_BENCHMARKS=OFF \
	  -DCMAKE_CXX_FLAGS="-O1 -D_GLIBCXX_ASSERTIONS"
	cmake --build $(BUILD)-asan -j$(JOBS)
	cd $(BUILD)-asan && UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j$(JOBS)

# The core's benchmarks, then the program's start-up to its shown window
# against a bare Qt window (tools/window-timing.sh).
bench: deps
	cmake -S . -B $(BUILD)-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DKVPM_GUI=ON
	cmake --build $(BUILD)-release -j$(JOBS) --target kvpm_bench kvpm kvpm_bare_window
	./$(BUILD)-release/bench/kvpm_bench
	BUILD=$(BUILD)-release tools/window-timing.sh

# Each fuzz target for FUZZ_SECONDS (longer: make fuzz FUZZ_SECONDS=600), new
# inputs kept in $(BUILD)-fuzz/corpus, a failing one in $(BUILD)-fuzz/.
fuzz-deps:
	@$(MAKE) --no-print-directory deps PACKAGES="$(FUZZ_PACKAGES)"

fuzz: deps fuzz-deps
	@[ -f $(BUILD)-fuzz/build.ninja ] || CC=clang CXX=clang++ cmake -S . -B $(BUILD)-fuzz -G Ninja \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKVPM_FUZZ=ON -DKVPM_SANITIZE=ON -DKVPM_GUI=OFF \
	  -DBUILD_TESTING=OFF -DKVPM_BENCHMARKS=OFF
	cmake --build $(BUILD)-fuzz -j$(JOBS)
	@for target in $(FUZZ_TARGETS); do \
	  echo "Fuzzing $$target for $(FUZZ_SECONDS) s"; \
	  mkdir -p $(BUILD)-fuzz/corpus/$$target && \
	  ./$(BUILD)-fuzz/fuzz/fuzz-$$target -max_total_time=$(FUZZ_SECONDS) -timeout=10 \
	    -print_final_stats=1 -artifact_prefix=$(BUILD)-fuzz/$$target- \
	    $(BUILD)-fuzz/corpus/$$target fuzz/corpus/$$target > $(BUILD)-fuzz/$$target.log 2>&1; \
	  status=$$?; grep '^stat::' $(BUILD)-fuzz/$$target.log; \
	  if [ $$status != 0 ]; then tail -n 40 $(BUILD)-fuzz/$$target.log; exit 1; fi; \
	done

clean:
	rm -rf $(BUILD) $(BUILD)-release $(BUILD)-asan $(BUILD)-fuzz $(WINDOWS_BUILD) $(WINDOWS_PACKAGE_BUILD)

# The suites on Windows: cross-built with mingw-w64 and run under Wine in a
# throwaway prefix. The core's tests always; the Qt tests too whenever the
# cross-built Qt is there (see below), headless and then with the Windows
# platform plugin on a virtual display. `make test` runs them whenever Wine
# is installed (CI installs it); `make test-windows` first installs what it
# needs.
WINDOWS_BUILD    := $(BUILD)-windows
WINDOWS_PACKAGES := g++-mingw-w64-x86-64-posix wine wine64 googletest
# The Qt tests' fonts when headless, and their virtual display.
WINDOWS_QT_TEST_PACKAGES := fonts-dejavu-core xvfb

.PHONY: windows-deps test-windows test-windows-if-wine

windows-deps:
	@$(MAKE) --no-print-directory deps PACKAGES="$(WINDOWS_PACKAGES)"

test-windows: deps windows-deps
	@[ -f $(WINDOWS_BUILD)/build.ninja ] || cmake -S . -B $(WINDOWS_BUILD) -G Ninja \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
	  -DKVPM_GTEST_SOURCE_DIR=/usr/src/googletest -DCMAKE_BUILD_TYPE=Debug \
	  -DKVPM_GUI=OFF -DKVPM_BENCHMARKS=OFF
	cmake --build $(WINDOWS_BUILD) -j$(JOBS) --target kvpm_tests
	@if tools/build-windows-qt.sh --ready; then \
	  $(MAKE) --no-print-directory deps PACKAGES="$(WINDOWS_QT_TEST_PACKAGES)" && \
	  $(MAKE) --no-print-directory windows-package-configure && \
	  nice -n 10 cmake --build $(WINDOWS_PACKAGE_BUILD) -j$(JOBS) --target kvpm_gui_tests && \
	  tools/run-windows-tests.sh $(WINDOWS_BUILD) $(WINDOWS_PACKAGE_BUILD) $(WINDOWS_QT); \
	else \
	  echo "Qt for Windows is not built: the Qt tests on Windows are skipped" \
	       "(make windows-package builds it)."; \
	  tools/run-windows-tests.sh $(WINDOWS_BUILD); \
	fi

test-windows-if-wine:
	@if command -v wine >/dev/null 2>&1; then \
	  $(MAKE) --no-print-directory test-windows; \
	else \
	  echo "Wine is not installed: the Windows tests are skipped (make test-windows installs it)."; \
	fi

# The Windows program and its portable zip. Qt for Windows is cross-built
# once per machine into a cache outside the checkout (about 15 minutes on two
# idle cores: tools/build-windows-qt.sh); `make windows-package` builds it
# first when it is not there. `make test` runs the zip's test and the Qt tests
# on Windows only when that Qt is there, and never builds it. The program and
# its Qt tests share one build folder.
WINDOWS_QT            := $(shell tools/build-windows-qt.sh --print-prefix)
WINDOWS_PACKAGE_BUILD := $(BUILD)-windows-package
# apt-get source unpacks with dpkg-source; Qt's build runs Perl.
WINDOWS_QT_PACKAGES   := dpkg-dev xz-utils perl
WINDOWS_GUI_PACKAGES  := zip unzip xvfb xdotool xclip x11-utils imagemagick

.PHONY: windows-qt windows-package windows-package-configure test-windows-gui \
        test-windows-gui-if-qt

windows-qt: deps windows-deps
	@$(MAKE) --no-print-directory deps PACKAGES="$(WINDOWS_QT_PACKAGES)"
	tools/build-windows-qt.sh

windows-package-configure:
	@[ -f $(WINDOWS_PACKAGE_BUILD)/build.ninja ] || cmake -S . -B $(WINDOWS_PACKAGE_BUILD) -G Ninja \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DKVPM_WINDOWS_QT=$(WINDOWS_QT) \
	  -DKVPM_GTEST_SOURCE_DIR=/usr/src/googletest -DCMAKE_BUILD_TYPE=Release \
	  -DKVPM_BENCHMARKS=OFF

windows-package: windows-qt
	@$(MAKE) --no-print-directory deps PACKAGES="zip"
	@$(MAKE) --no-print-directory windows-package-configure
	nice -n 10 cmake --build $(WINDOWS_PACKAGE_BUILD) -j$(JOBS) --target kvpm
	tools/package-windows.sh $(WINDOWS_PACKAGE_BUILD) $(WINDOWS_QT)

# The zip's program under Wine on a virtual display, driven from outside.
test-windows-gui: windows-package
	@$(MAKE) --no-print-directory deps PACKAGES="$(WINDOWS_GUI_PACKAGES)"
	tools/test-windows-gui.sh $(WINDOWS_PACKAGE_BUILD)/kvpm-*-windows-x64.zip

test-windows-gui-if-qt:
	@if tools/build-windows-qt.sh --ready; then \
	  $(MAKE) --no-print-directory test-windows-gui; \
	else \
	  echo "Qt for Windows is not built: the Windows program's test is skipped (make windows-package builds it)."; \
	fi

# The two commands: `make run` builds and starts the program, `make test`
# builds and runs every test. Both first install what a fresh Debian machine lacks.

BUILD      ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
PACKAGES   := cmake ninja-build g++ pkg-config qt6-base-dev libgtest-dev libgmock-dev \
              libbenchmark-dev
SUDO       := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
DEMO       := $(CURDIR)/$(BUILD)/demo-prefix

.PHONY: all deps configure build run test demo bench clean

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
	@$(MAKE) --no-print-directory test-windows-if-wine

bench: deps
	cmake -S . -B $(BUILD)-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DKVPM_GUI=OFF
	cmake --build $(BUILD)-release -j$(JOBS) --target kvpm_bench
	./$(BUILD)-release/bench/kvpm_bench

clean:
	rm -rf $(BUILD) $(BUILD)-release $(WINDOWS_BUILD)

# The core suite on Windows: cross-built with mingw-w64 and run under Wine in
# a throwaway prefix. `make test` runs it whenever Wine is installed (CI
# installs it); `make test-windows` first installs what it needs.
WINDOWS_BUILD    := $(BUILD)-windows
WINDOWS_PACKAGES := g++-mingw-w64-x86-64-posix wine wine64 googletest

.PHONY: windows-deps test-windows test-windows-if-wine

windows-deps:
	@$(MAKE) --no-print-directory deps PACKAGES="$(WINDOWS_PACKAGES)"

test-windows: deps windows-deps
	@[ -f $(WINDOWS_BUILD)/build.ninja ] || cmake -S . -B $(WINDOWS_BUILD) -G Ninja \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
	  -DKVPM_GTEST_SOURCE_DIR=/usr/src/googletest -DCMAKE_BUILD_TYPE=Debug \
	  -DKVPM_GUI=OFF -DKVPM_BENCHMARKS=OFF
	cmake --build $(WINDOWS_BUILD) -j$(JOBS) --target kvpm_tests
	tools/run-windows-tests.sh $(WINDOWS_BUILD)

test-windows-if-wine:
	@if command -v wine >/dev/null 2>&1; then \
	  $(MAKE) --no-print-directory test-windows; \
	else \
	  echo "Wine is not installed: the Windows tests are skipped (make test-windows installs it)."; \
	fi

# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Brasti developers
# make run   - install what is missing, build, start the program
# make test  - the same set-up, then the whole test suite, headless
# make bench - the same set-up, an optimised build, then the benchmark table
# make package     - the Debian package, in $(BUILD)
# make install     - installs under PREFIX (default /usr/local); DESTDIR is honoured
# make screenshots - the pictures in docs/screenshots (and docs/screenshots/en, in English)
# make fuzz        - the readers of outside text under libFuzzer, FUZZ_SECONDS each (default 60)
# make windows       - the Windows setup program and zip, cross-built, in build-windows
# make test-windows  - the same, then the test suite, the installer and the program under Wine
# make bench-windows - start-up and memory under Wine, against a bare Qt window built the same way
# make web        - the site for any web server, built for WebAssembly, in build-web/site
# make serve-web  - the same, served on 127.0.0.1:8080 for a teacher to try (PORT=N for another)
# make test-web   - the same, then the tests under Node and the page played in headless Chromium
# make bench-web  - the page in headless Chromium against a bare Qt window built the same way
BUILD ?= build
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)
BENCH_BUILD ?= build-bench
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
LAUNCHER := $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

PREFIX ?= /usr/local

.PHONY: all setup setup-test setup-fuzz build run test bench soak sounds package install screenshots fuzz clean \
	windows test-windows bench-windows web serve-web test-web bench-web

all: build

setup:
	bash scripts/setup.sh

setup-test:
	bash scripts/setup.sh --test

setup-fuzz:
	bash scripts/setup.sh --fuzz

build: setup
	cmake -S . -B $(BUILD) $(LAUNCHER) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/brasti

test: setup-test
	cmake -S . -B $(BUILD) $(LAUNCHER) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Its own build folder, always optimised, whatever $(BUILD) was configured with.
bench: setup-test
	cmake -S . -B $(BENCH_BUILD) $(LAUNCHER) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BENCH_BUILD) -j $(JOBS) --target brasti_bench
	./$(BENCH_BUILD)/bench/brasti_bench

# The long random-event run: a million events over every screen.
# SEED=N replays a run exactly.
soak: setup-test
	cmake -S . -B $(BUILD) $(LAUNCHER) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS) --target robustness
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/tests/robustness --events 1000000 $(if $(SEED),--seed $(SEED))

# Regenerates the five sound files in assets/suoni.
sounds: setup
	cmake -S . -B $(BUILD) $(LAUNCHER) $(CMAKE_FLAGS)
	cmake --build $(BUILD) --target gensuoni
	./$(BUILD)/gensuoni assets/suoni

# dpkg-shlibdeps (dpkg-dev) works out the package's dependencies.
package: setup-test
	cmake -S . -B $(BUILD) $(LAUNCHER) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS) --target package

install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

# The start screen, the menu and every built exercise screen, with a fixed seed.
screenshots: setup
	cmake -S . -B $(BUILD) $(LAUNCHER) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS) --target screenshots
	./$(BUILD)/screenshots docs/screenshots

# The fuzz targets need clang's fuzzing engine, so they have a build folder
# and a CMake project of their own (tests/fuzz).
fuzz: setup-fuzz
	cmake -S tests/fuzz -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++-14 $(LAUNCHER) $(CMAKE_FLAGS)
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	bash tests/fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

windows:
	bash scripts/windows.sh build

test-windows:
	bash scripts/windows.sh test

bench-windows:
	bash scripts/windows.sh bench

web:
	bash scripts/web.sh build

serve-web:
	bash scripts/web.sh serve

test-web:
	bash scripts/web.sh test

bench-web:
	bash scripts/web.sh bench

# Qt's Windows and web builds stay in ~/.cache/brasti: `rm -rf ~/.cache/brasti` clears them.
clean:
	rm -rf $(BUILD) build-asan build-release build-windows build-web $(BENCH_BUILD) $(FUZZ_BUILD)

# DotSign: `make run` to build and start the application, `make test` to build and run every test.
BUILD      ?= build
TEST_BUILD ?= build-test
BENCH_BUILD ?= build-bench
GENERATOR  := -G Ninja
CMAKE_COMMON := -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
JOBS       ?= $(shell nproc)
# Compiler cache shared between clones: paths are hashed relative to the clone.
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1
export CCACHE_MAXSIZE ?= 5G

FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60

PKG_BUILD ?= build-pkg

.PHONY: all deps configure build run test bench fuzz package package-test screenshots translations clean format

all: build

deps:
	bash scripts/install-deps.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) $(GENERATOR) $(CMAKE_COMMON) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDOTSIGN_TESTS=OFF

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/app/dotsign

$(TEST_BUILD)/build.ninja:
	cmake -S . -B $(TEST_BUILD) $(GENERATOR) $(CMAKE_COMMON) -DCMAKE_BUILD_TYPE=Debug \
	  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" -DDOTSIGN_SANITIZE=ON -DDOTSIGN_WERROR=ON

test: deps $(TEST_BUILD)/build.ninja
	cmake --build $(TEST_BUILD) -j $(JOBS)
	cd $(TEST_BUILD) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)
	@if [ "$$CI" = true ]; then $(MAKE) --no-print-directory package-test; fi

# Builds the Debian package, installs it with apt, starts the installed
# application and exports with the installed CLI (run by `make test` when CI=true).
package-test: package
	bash tests/package/install_test.sh $(PKG_BUILD)

$(BENCH_BUILD)/build.ninja:
	cmake -S . -B $(BENCH_BUILD) $(GENERATOR) $(CMAKE_COMMON) -DCMAKE_BUILD_TYPE=Release -DDOTSIGN_BENCH=ON -DDOTSIGN_TESTS=OFF

bench: deps $(BENCH_BUILD)/build.ninja
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	for b in $(BENCH_BUILD)/bench/bench_*; do \
	  if [ -f "$$b" ] && [ -x "$$b" ]; then QT_QPA_PLATFORM=offscreen "$$b" || exit 1; fi; \
	done

$(FUZZ_BUILD)/build.ninja:
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) $(GENERATOR) $(CMAKE_COMMON) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DDOTSIGN_FUZZ=ON -DDOTSIGN_TESTS=OFF

# Runs every fuzz target for FUZZ_SECONDS each (fuzz/run.sh).
fuzz: deps $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	bash fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

$(PKG_BUILD)/build.ninja:
	cmake -S . -B $(PKG_BUILD) $(GENERATOR) $(CMAKE_COMMON) -DCMAKE_BUILD_TYPE=Release -DDOTSIGN_TESTS=OFF \
	  -DCMAKE_INSTALL_PREFIX=/usr

# A Debian package of the release build (dotsign_<version>_<arch>.deb in build-pkg/).
package: deps $(PKG_BUILD)/build.ninja
	cmake --build $(PKG_BUILD) -j $(JOBS)
	bash packaging/make-man.sh $(PKG_BUILD)/cli/dotsign-cli $(PKG_BUILD)/app/dotsign $(PKG_BUILD)/man
	cd $(PKG_BUILD) && cpack -G DEB

# The manual's pictures (docs/manual/*.png), taken from the real windows on a virtual screen.
screenshots: build
	bash scripts/screenshots.sh $(BUILD)

# Refreshes translations/dotsign_en.ts from the sources (new texts appear as unfinished).
translations: deps
	/usr/lib/qt6/bin/lupdate -I . -no-obsolete -locations none -source-language zh_CN -target-language en \
	  app editor project render link usbdisk sim -ts translations/dotsign_en.ts

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(TEST_BUILD) $(BENCH_BUILD) $(FUZZ_BUILD) $(PKG_BUILD)

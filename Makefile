# `make run` and `make test` do all set-up on a fresh Debian 12 machine.
BUILD    ?= build
SANITIZE ?=
JOBS     ?= $(shell nproc)
CMAKE_ARGS ?=
# `make install` puts the program under PREFIX; `make package` builds the
# Debian package in its own release build.
PREFIX   ?= /usr/local
PACKAGE_BUILD ?= build-package

.PHONY: all deps configure build run test fuzz-test install package clean

all: build

deps:
	@tools/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DORVELLE_SANITIZE=$(SANITIZE) $(CMAKE_ARGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/src/app/orvelle

SUPPORT := $(CURDIR)/tests/support
export TSAN_OPTIONS  ?= suppressions=$(SUPPORT)/tsan.supp halt_on_error=1 second_deadlock_stack=1
export ASAN_OPTIONS  ?= detect_leaks=1 abort_on_error=1
export LSAN_OPTIONS  ?= suppressions=$(SUPPORT)/lsan.supp print_suppressions=0
export UBSAN_OPTIONS ?= print_stacktrace=1 halt_on_error=1

# The plain `make test` also runs each fuzz target for a bounded time, in a
# build dir of its own (clang++ with libFuzzer, ASan and UBSan built in). It is
# on by default only when SANITIZE is empty, so the sanitizer runs of the same
# suite (`make test BUILD=build-asan SANITIZE=...`) do not repeat it; FUZZ=0 or
# FUZZ=1 on the command line decides either way. `make fuzz-test` runs it alone.
ifeq ($(SANITIZE),)
FUZZ ?= 1
else
FUZZ ?= 0
endif
FUZZ_BUILD   ?= build-fuzz
FUZZ_SECONDS ?= 20
FUZZ_TARGETS := fuzz_settings_store fuzz_midi_input

test: build
	@tests/support/free-stale-jack-slots.sh
	cd $(BUILD) && ctest --output-on-failure -j 2 $(CTEST_ARGS)
ifeq ($(FUZZ),1)
	@$(MAKE) --no-print-directory fuzz-test
endif

# Only the fuzz targets and the libraries they need are built there.
fuzz-test: deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DORVELLE_FUZZ=ON -DORVELLE_FUZZ_SECONDS=$(FUZZ_SECONDS)
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target $(FUZZ_TARGETS)
	cd $(FUZZ_BUILD) && ctest --output-on-failure -j 2 -L fuzz

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

package: deps
	cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=Release -DORVELLE_SANITIZE= $(CMAKE_ARGS)
	cmake --build $(PACKAGE_BUILD) -j $(JOBS) --target orvelle
	cd $(PACKAGE_BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD)

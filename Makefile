# `make run` and `make test` do all set-up on a fresh Debian 12 machine.
BUILD    ?= build
SANITIZE ?=
JOBS     ?= $(shell nproc)
CMAKE_ARGS ?=
# `make install` puts the program under PREFIX; `make package` builds the
# Debian package in its own release build.
PREFIX   ?= /usr/local
PACKAGE_BUILD ?= build-package

.PHONY: all deps configure build run test install package clean

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

test: build
	cd $(BUILD) && ctest --output-on-failure -j 2 $(CTEST_ARGS)

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

package: deps
	cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=Release -DORVELLE_SANITIZE= $(CMAKE_ARGS)
	cmake --build $(PACKAGE_BUILD) -j $(JOBS) --target orvelle
	cd $(PACKAGE_BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD)

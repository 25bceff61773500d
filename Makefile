# `make run` and `make test` do all set-up on a fresh Debian 12 machine.
BUILD    ?= build
SANITIZE ?=
JOBS     ?= $(shell nproc)
CMAKE_ARGS ?=

.PHONY: all deps configure build run test clean

all: build

deps:
	@tools/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DORVELLE_SANITIZE=$(SANITIZE) $(CMAKE_ARGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/src/app/orvelle

test: build
	cd $(BUILD) && ctest --output-on-failure -j 2 $(CTEST_ARGS)

clean:
	rm -rf $(BUILD)

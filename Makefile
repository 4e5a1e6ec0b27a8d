# Entry points: build, run, test. Each one first installs what is missing.
BUILD     := build
WINEPREFIX_DIR := $(CURDIR)/$(BUILD)/wineprefix
WINESERVER := /usr/lib/wine/wineserver
JOBS      := $(shell nproc)

.PHONY: build run test deps configure

deps:
	@sh tools/install-deps.sh

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@sh tools/run.sh $(BUILD)

test: build
	@sh tools/test.sh $(BUILD)

# `make run`: set up, build, start the editor on the example launcher file.
# `make test`: set up, build, run every test.
BUILD ?= build
JOBS ?= $(shell nproc)
# Lets ccache share results between checkouts of this tree.
export CCACHE_BASEDIR := $(CURDIR)

.PHONY: all deps configure build test run clean

all: build

deps:
	@bash scripts/install-deps.sh

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: deps $(BUILD)/CMakeCache.txt

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j 2

run: build
	$(BUILD)/bin/qtedit2 examples/Tools.qtf

clean:
	rm -rf $(BUILD)

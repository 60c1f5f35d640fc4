# `make run`: set up, build the two programs, start the editor on the example launcher file.
# `make test`: set up, build everything (tests and benchmarks too), run every test.
# `make install [PREFIX=dir]`, `make uninstall [PREFIX=dir]`, `make package`: see README.
BUILD ?= build
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local
# ON turns compiler warnings into errors (CI: `make test WERROR=ON`).
WERROR ?= OFF
# Lets ccache share results between checkouts of this tree.
export CCACHE_BASEDIR := $(CURDIR)

.PHONY: all deps configure build programs test run install uninstall package clean

all: build

deps:
	@bash scripts/install-deps.sh

# Configured again when this file changes, so that an older build folder gets new options.
$(BUILD)/CMakeCache.txt: Makefile | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DBUILD_TESTING=ON -DQUINTOR_BENCHMARKS=ON -DQUINTOR_WERROR=$(WERROR)

# A build folder configured with the other WERROR is configured again.
configure: deps $(BUILD)/CMakeCache.txt
	@grep -qx "QUINTOR_WERROR:BOOL=$(WERROR)" $(BUILD)/CMakeCache.txt || \
	    cmake -S . -B $(BUILD) -DQUINTOR_WERROR=$(WERROR)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

programs: configure
	cmake --build $(BUILD) -j $(JOBS) --target programs

test: build
	cd $(BUILD) && ctest --output-on-failure -j 2

run: programs
	$(BUILD)/bin/qtedit2 examples/Tools.qtf

install: programs
	cmake --install $(BUILD) --prefix $(abspath $(PREFIX))

uninstall: programs
	cmake -DPREFIX=$(abspath $(PREFIX)) -P $(BUILD)/uninstall.cmake

package: programs
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD)

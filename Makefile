# Two entry points: `make run` starts Calvoro, `make test` builds and runs every test.
BUILD ?= build
JOBS ?= $(shell nproc)
MAKEFLAGS += --no-print-directory

.PHONY: all setup setup-run configure build test run bench perf soak fuzz clean package

all: build

# Everything: what building and running need, and the test, CI and packaging tools.
setup:
	@bash scripts/setup.sh

# What building and running need, no more.
setup-run:
	@bash scripts/setup.sh run

configure: setup
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCALVORO_WERROR=ON -DBUILD_TESTING=ON \
	  >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

test: build
	@cd $(BUILD) && ctest --output-on-failure -j 1

# The Debian packages from debian/ (dpkg-buildpackage), in $(BUILD)/package.
package: setup
	@JOBS=$(JOBS) bash scripts/package.sh $(BUILD)

# Every benchmark program (the build also leaves folders named bench_*).
bench: build
	@for b in $(BUILD)/bench/bench_*; do \
	  if [ -f "$$b" ] && [ -x "$$b" ]; then "$$b" || exit 1; fi; \
	done

# perf.sh runs itself in a network namespace of its own (as root): the one-copy lock would keep
# the measured program from starting beside a Calvoro that runs already.
perf: build
	@bash bench/perf.sh $(BUILD)

soak: build
	@bash tests/soak/run.sh $(BUILD) $(or $(SOAK_HOURS),48) $(or $(SOAK_CYCLES),6) $(BUILD)/soak-report.txt

fuzz: setup
	@bash scripts/fuzz.sh $(or $(FUZZ_SECONDS),600)

clean:
	rm -rf $(BUILD) build-asan build-fuzz

# The program alone; a build folder that has the tests already (make test) keeps them.
run: setup-run
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCALVORO_WERROR=ON \
	  $(if $(wildcard $(BUILD)/CMakeCache.txt),,-DBUILD_TESTING=OFF) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target calvoro
	@bash scripts/run.sh $(BUILD)

# The two commands of a fresh checkout: `make run` and `make test`. Both install the missing
# packages, configure into build/ and build first.
MAKEFLAGS += --no-print-directory
BUILD_DIR := build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: run test build program setup configure clean bench

# Builds the program alone (no test code), then compiles and runs a C example that checks its
# own result, with the build's stages, where its values live and what the run cost.
run: program
	$(BUILD_DIR)/tavrel -verbose -N 16 -run examples/gcd.c
	@echo "examples/gcd.c was compiled for 16-bit registers and ran to its end with status 0: gcd(1071, 462) = 21, as its own check requires."

# Window tests draw without a display.
test: export QT_QPA_PLATFORM = offscreen
test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)

build: configure
	cmake --build $(BUILD_DIR) -j$(JOBS)

program: configure
	cmake --build $(BUILD_DIR) -j$(JOBS) --target tavrel tavrel-hex

configure: setup
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

# Today's speed: an optimised build in build-bench/ (kept as a cache), then the harness, which
# prints the figures and writes bench/results.md. BENCH_RUNS sets the runs per figure.
bench: setup
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DTAVREL_BENCH=ON
	cmake --build build-bench -j$(JOBS) --target tavrel window_run_bench
	python3 bench/run_bench.py

setup:
	@tools/setup.sh

clean:
	rm -rf $(BUILD_DIR)

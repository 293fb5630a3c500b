# The two commands of a fresh checkout: `make run` and `make test`. Both install the missing
# packages, configure into build/ and build first.
MAKEFLAGS += --no-print-directory
BUILD_DIR := build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: run test test-sanitize fuzz build program setup configure clean bench

# Builds the program alone (no test code), then compiles and runs a C example that checks its
# own result, with the build's stages, where its values live and what the run cost.
run: program
	$(BUILD_DIR)/tavrel -verbose -N 16 -run examples/gcd.c
	@echo "examples/gcd.c was compiled for 16-bit registers and ran to its end with status 0: gcd(1071, 462) = 21, as its own check requires."

# Window tests draw without a display.
test: export QT_QPA_PLATFORM = offscreen
test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)

# The whole suite again, built in build-sanitize/ with AddressSanitizer and
# UndefinedBehaviorSanitizer: any report fails its test.
test-sanitize: export QT_QPA_PLATFORM = offscreen
test-sanitize: export ASAN_OPTIONS = detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=1
test-sanitize: export UBSAN_OPTIONS = print_stacktrace=1:halt_on_error=1
test-sanitize: export LSAN_OPTIONS = suppressions=$(CURDIR)/tests/sanitizer_suppressions.txt
test-sanitize: setup
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DTAVREL_SANITIZE=ON
	cmake --build build-sanitize -j$(JOBS)
	cd build-sanitize && ctest --output-on-failure -j$(JOBS)

# Each fuzz target for FUZZ_SECONDS, built by clang in build-fuzz/. New inputs gather in
# build-fuzz/corpus/<target>, failing ones in build-fuzz/artifacts/; the seeds of tests/fuzz/
# are only read.
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := c_source asm_source project_file binary_text_file debugger_session
fuzz:
	@tools/setup.sh clang libclang-rt-14-dev
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVREL_FUZZ=ON
	cmake --build build-fuzz -j$(JOBS)
	@for target in $(FUZZ_TARGETS); do \
	  mkdir -p build-fuzz/corpus/$$target build-fuzz/artifacts/$$target; \
	  echo "== $$target, $(FUZZ_SECONDS) s"; \
	  build-fuzz/fuzz/$${target}_fuzzer -max_total_time=$(FUZZ_SECONDS) -timeout=20 -max_len=16384 \
	    -dict=tests/fuzz/$$target.dict -artifact_prefix=build-fuzz/artifacts/$$target/ -print_final_stats=1 \
	    build-fuzz/corpus/$$target tests/fuzz/corpus/$${target}_fuzzer || exit 1; \
	done

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

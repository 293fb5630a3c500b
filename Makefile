# The two commands of a fresh checkout: `make run` and `make test`. Both install the missing
# packages, configure into build/ and build first.
MAKEFLAGS += --no-print-directory
BUILD_DIR := build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: run test build setup configure clean

# Lists the example's machine code, then runs it; the example checks its own result.
run: build
	$(BUILD_DIR)/tavrel -asm_list examples/countdown.s
	$(BUILD_DIR)/tavrel -run examples/countdown.s
	@echo "examples/countdown.s ran to its end with status 0: its own check passed."

# Window tests draw without a display.
test: export QT_QPA_PLATFORM = offscreen
test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)

build: configure
	cmake --build $(BUILD_DIR) -j$(JOBS)

configure: setup
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

setup:
	@tools/setup.sh

clean:
	rm -rf $(BUILD_DIR)

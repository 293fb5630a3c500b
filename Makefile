# The two commands of a fresh checkout: `make run` and `make test`. Both install the missing
# packages, configure into build/ and build first.
MAKEFLAGS += --no-print-directory
BUILD_DIR := build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: run test build setup configure clean

run: build
	$(BUILD_DIR)/tavrel -run examples/countdown.s

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

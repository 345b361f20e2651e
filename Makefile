# The newcomer's entry point. `make run` and `make test` do everything they need.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
SOAK_MINUTES ?= 60

.PHONY: setup build test test-debian13 run bench bench-debian13 soak clean

setup:
	@bash tools/setup.sh

build: setup
	@test -f $(BUILD_DIR)/CMakeCache.txt || cmake -S . -B $(BUILD_DIR) -G Ninja
	@cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	@ctest --test-dir $(BUILD_DIR) --output-on-failure --no-tests=error -j $(JOBS)

# The same `make test` in a clean Debian 13 root (as root; see the script).
test-debian13:
	@bash tools/debian13-root.sh $(BUILD_DIR)/debian13

run: build
	@bash tools/run.sh $(BUILD_DIR)/zingbox/zingbox

bench: build
	@bash bench/run.sh $(BUILD_DIR)

# The same `make bench` on Debian 13's Qt; its table is left in <root>/root/zingbox/build/bench.
bench-debian13:
	@bash tools/debian13-root.sh $(BUILD_DIR)/debian13 bench

# An evening of play: `make soak SOAK_MINUTES=5` for a short one.
soak: build
	@bash bench/soak.sh $(BUILD_DIR) $(SOAK_MINUTES)

clean:
	rm -rf --one-file-system $(BUILD_DIR)

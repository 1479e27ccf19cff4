# Two entry points: `make run` and `make test`. Both install what is missing first.
BUILD_DIR ?= build
TEST_BUILD_DIR ?= build-tests
JOBS ?= $(shell nproc 2>/dev/null || sysctl -n hw.ncpu 2>/dev/null || echo 2)

ifeq ($(shell uname -s),Darwin)
APP_BINARY = $(BUILD_DIR)/src/app/Orvando.app/Contents/MacOS/Orvando
CMAKE_PREFIX = -DCMAKE_PREFIX_PATH="$(shell brew --prefix qt 2>/dev/null);$(shell brew --prefix qcoro 2>/dev/null)"
else
APP_BINARY = $(BUILD_DIR)/src/app/orvando
CMAKE_PREFIX =
endif
# A compiler cache, when one is installed, makes rebuilds across checkouts cheap.
ifneq ($(shell command -v ccache 2>/dev/null),)
CMAKE_PREFIX += -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
export CCACHE_BASEDIR ?= $(CURDIR)
endif

.PHONY: deps build run test bench screenshots format clean

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANDO_BUILD_TESTS=OFF $(CMAKE_PREFIX) >/dev/null
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(APP_BINARY)

test: deps
	cmake -S . -B $(TEST_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORVANDO_SANITIZE=ON -DORVANDO_BUILD_BENCH=OFF $(CMAKE_PREFIX) >/dev/null
	cmake --build $(TEST_BUILD_DIR) -j $(JOBS)
	cd $(TEST_BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The main window and its sheets as PNG files in $(BUILD_DIR)/screenshots.
screenshots: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANDO_BUILD_TESTS=OFF $(CMAKE_PREFIX) >/dev/null
	cmake --build $(BUILD_DIR) -j $(JOBS) --target orvando-screenshots
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/tools/orvando-screenshots

bench: build
	@for b in $(BUILD_DIR)/bench/*_bench; do echo "== $$b"; $$b || exit 1; done

format:
	git ls-files '*.cpp' '*.h' '*.mm' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(TEST_BUILD_DIR)

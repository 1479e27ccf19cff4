# Two entry points: `make run` and `make test`. Both install what is missing first.
BUILD_DIR ?= build
TEST_BUILD_DIR ?= build-tests
PACKAGE_BUILD_DIR ?= build-package
JOBS ?= $(shell nproc 2>/dev/null || sysctl -n hw.ncpu 2>/dev/null || echo 2)
# `make package CODESIGN_IDENTITY="Developer ID Application: …"` signs for distribution; without
# it the disk image holds an ad hoc signed application. BUILD_NUMBER becomes CFBundleVersion.
CODESIGN_IDENTITY ?= -
BUILD_NUMBER ?= 1
# Where a packaged app looks for its own updates (a Sparkle appcast) and for a newer catalog, and the
# public keys each must be signed with (README, "Releasing"). Left empty, it does neither.
SPARKLE_FEED_URL ?=
SPARKLE_PUBLIC_KEY ?=
CATALOG_URL ?=
CATALOG_PUBLIC_KEY ?=

ifeq ($(shell uname -s),Darwin)
APP_BINARY = $(BUILD_DIR)/src/app/Orvando.app/Contents/MacOS/Orvando
# Homebrew's Qt and libplist live under its prefix (/opt/homebrew on Apple silicon).
CMAKE_PREFIX = -DCMAKE_PREFIX_PATH="$(shell brew --prefix 2>/dev/null)"
else
APP_BINARY = $(BUILD_DIR)/src/app/orvando
CMAKE_PREFIX =
endif
# A compiler cache, when one is installed, makes rebuilds across checkouts cheap.
ifneq ($(shell command -v ccache 2>/dev/null),)
CMAKE_PREFIX += -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
export CCACHE_BASEDIR ?= $(CURDIR)
endif

.PHONY: deps build run test e2e bench screenshots package format clean

deps:
	@scripts/install-deps

# The program and the password helper it starts: nothing else, so a first run is short.
build: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANDO_BUILD_TESTS=OFF -DORVANDO_TEST_ENVIRONMENT=OFF $(CMAKE_PREFIX) >/dev/null
	cmake --build $(BUILD_DIR) -j $(JOBS) --target orvando orvando-askpass

run: build
	$(APP_BINARY)

test: deps
	cmake -S . -B $(TEST_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORVANDO_SANITIZE=ON -DORVANDO_BUILD_BENCH=OFF -DORVANDO_TEST_ENVIRONMENT=ON $(CMAKE_PREFIX) >/dev/null
	cmake --build $(TEST_BUILD_DIR) -j $(JOBS)
	cd $(TEST_BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# On a Mac with Homebrew: installs, reads back, removes and restores one real app through
# orvando-cli, then opens Orvando and takes a screenshot (scripts/e2e-mac); output in $(E2E_OUT).
E2E_OUT ?= e2e-output
e2e: deps
	@[ "$$(uname -s)" = Darwin ] || { echo "make e2e: the end-to-end check runs on a Mac with Homebrew (the tests run it on a simulated one)" >&2; exit 1; }
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANDO_BUILD_TESTS=OFF -DORVANDO_TEST_ENVIRONMENT=OFF $(CMAKE_PREFIX) >/dev/null
	cmake --build $(BUILD_DIR) -j $(JOBS) --target orvando orvando-askpass orvando-cli
	scripts/e2e-mac --app $(BUILD_DIR)/src/app/Orvando.app --out $(E2E_OUT)

# The main window and its sheets as PNG files in $(BUILD_DIR)/screenshots: in English, light and
# dark, then in each shipped language and the pseudo-translation (screenshots/<language>/).
SCREENSHOT_LANGUAGES ?= de fr ja zh_CN pseudo
screenshots: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANDO_BUILD_TESTS=OFF -DORVANDO_TEST_ENVIRONMENT=OFF $(CMAKE_PREFIX) >/dev/null
	cmake --build $(BUILD_DIR) -j $(JOBS) --target orvando-screenshots
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/tools/orvando-screenshots
	for language in $(SCREENSHOT_LANGUAGES); do \
		QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/tools/orvando-screenshots --language $$language || exit 1; \
	done

bench: build
	cmake --build $(BUILD_DIR) -j $(JOBS)
	@for b in $(BUILD_DIR)/bench/*_bench; do echo "== $$b"; $$b || exit 1; done

# The signed Orvando.dmg of a release build, in $(PACKAGE_BUILD_DIR)/package/ (macOS only).
package:
	@[ "$$(uname -s)" = Darwin ] || { echo "make package: the disk image is made on macOS only" >&2; exit 1; }
	@scripts/install-deps --package
	cmake -S . -B $(PACKAGE_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANDO_BUILD_TESTS=OFF -DORVANDO_TEST_ENVIRONMENT=OFF -DORVANDO_BUILD_BENCH=OFF $(CMAKE_PREFIX) \
		"-DORVANDO_CODESIGN_IDENTITY=$(CODESIGN_IDENTITY)" -DORVANDO_BUILD_NUMBER=$(BUILD_NUMBER) \
		"-DORVANDO_SPARKLE_FEED_URL=$(SPARKLE_FEED_URL)" "-DORVANDO_SPARKLE_PUBLIC_KEY=$(SPARKLE_PUBLIC_KEY)" \
		"-DORVANDO_CATALOG_URL=$(CATALOG_URL)" "-DORVANDO_CATALOG_PUBLIC_KEY=$(CATALOG_PUBLIC_KEY)" >/dev/null
	cmake --build $(PACKAGE_BUILD_DIR) -j $(JOBS) --target package

format:
	@command -v clang-format >/dev/null || { echo "make format: clang-format is missing; install it with 'sudo apt-get install clang-format' (Debian) or 'brew install clang-format' (macOS)" >&2; exit 1; }
	git ls-files '*.cpp' '*.h' '*.mm' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(TEST_BUILD_DIR) $(PACKAGE_BUILD_DIR)

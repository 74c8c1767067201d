# Two commands on a fresh Debian 12 machine:
#   make run    installs what is missing, builds and starts the program on the current display
#   make test   installs what is missing, builds and runs the whole suite headless
BUILD_DIR  ?= build
BUILD_TYPE ?= RelWithDebInfo
CMAKE_FLAGS ?=
CTEST_FLAGS ?=
# make bench: another build folder (an earlier commit, say) measured in the same run
REFERENCE_BUILD ?=

.PHONY: all deps deps-test deps-package configure build run test install package sanitize bench format clean

all: build

deps:
	@tools/install-deps.sh build

deps-test:
	@tools/install-deps.sh build test

deps-package:
	@tools/install-deps.sh build package

configure:
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS)

build: deps configure
	cmake --build $(BUILD_DIR)

run: build
	@if [ -z "$$DISPLAY" ]; then echo "make run: no X display (DISPLAY is not set)" >&2; exit 1; fi
	$(BUILD_DIR)/rukcon

test: deps-test configure
	cmake --build $(BUILD_DIR)
	tools/headless.sh ctest --test-dir $(BUILD_DIR) --output-on-failure $(CTEST_FLAGS)

# Installs under PREFIX (default /usr/local); DESTDIR is honoured. Does not enable start at login.
install: build
	cmake --install $(BUILD_DIR) $(if $(PREFIX),--prefix $(PREFIX))

# $(BUILD_DIR)/rukcon_<version>_<arch>.deb
package: deps-package configure
	cmake --build $(BUILD_DIR) --target rukcon rukcon_effects rukcon_icon_png rukcon_docs
	cd $(BUILD_DIR) && cpack -G DEB

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer, in its own folder.
sanitize:
	LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan.supp \
	    $(MAKE) test BUILD_DIR=build-asan BUILD_TYPE=Debug CMAKE_FLAGS=-DRUKCON_SANITIZE=ON

bench: deps-test build
	$(BUILD_DIR)/bench/bench_poll_cycle
	tools/headless.sh bench/compare.sh $(BUILD_DIR) $(REFERENCE_BUILD)

format: configure
	cmake --build $(BUILD_DIR) --target format

clean:
	rm -rf $(BUILD_DIR) build-asan

# The two set-up commands are `make run` and `make test`; everything else is a step of them.
SHELL := /bin/bash
ROOT := $(CURDIR)
BUILD := $(ROOT)/build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps native win build test test-native test-win dist package run screenshots skin-windows skin-sheets skin-previews fuzz clean

all: build

deps:
	@scripts/install-deps.sh

$(BUILD)/native/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD)/native $(CMAKE_FLAGS)

$(BUILD)/win/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD)/win $(CMAKE_FLAGS) -DCMAKE_TOOLCHAIN_FILE=$(ROOT)/cmake/mingw-w64.cmake

native: deps $(BUILD)/native/CMakeCache.txt
	cmake --build $(BUILD)/native -j $(JOBS)

win: deps $(BUILD)/win/CMakeCache.txt
	cmake --build $(BUILD)/win -j $(JOBS)

build: native win

test-native: native
	cd $(BUILD)/native && ctest --output-on-failure -j $(JOBS)

test-win: win
	cd $(BUILD)/win && ctest --output-on-failure

# Both suites run even when the first fails; the exit code reports any failure.
test: build
	@rc=0; \
	$(MAKE) --no-print-directory test-native || rc=1; \
	$(MAKE) --no-print-directory test-win || rc=1; \
	scripts/test-summary.sh $(BUILD)/native $(BUILD)/win; \
	exit $$rc

dist: build
	scripts/make-dist.sh $(BUILD)/win $(ROOT)/dist/Zentavo

# The setup program and the portable zip, dist/Zentavo-VERSION-setup.exe and .zip.
package: build
	scripts/package.sh $(BUILD)/win $(ROOT)/dist

run: dist
	scripts/run.sh $(ROOT)/dist/Zentavo $(BUILD)

# libFuzzer runs of the skin package reader, the BMP decoder and the inflater (clang);
# FUZZ_SECONDS per target.
FUZZ_SECONDS ?= 600
fuzz: deps
	scripts/fuzz.sh $(BUILD) $(FUZZ_SECONDS)

# Designer sheets of the default skins, kept under docs/skins.
skin-sheets: native
	scripts/skin-sheets.sh $(BUILD)/native/tools/skingen/skingen $(ROOT)/docs/skins

# The skin preview program under each packaged skin, kept under docs/skins/preview.
skin-previews: dist
	scripts/skin-previews.sh $(BUILD)/win $(ROOT)/dist/Zentavo $(ROOT)/docs/skins/preview

# Pictures of the windows over a sample ledger, kept under docs/screenshots.
screenshots: dist
	scripts/screenshots.sh $(BUILD)/win $(ROOT)/dist/Zentavo $(ROOT)/docs/screenshots

# The windows under each packaged skin, message box included, kept under docs/skins/windows.
skin-windows: dist
	scripts/skin-windows.sh $(BUILD)/win $(ROOT)/dist/Zentavo $(ROOT)/docs/skins/windows

clean:
	rm -rf $(BUILD)/native $(BUILD)/win $(ROOT)/dist

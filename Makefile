# make test   install what is missing, build the three configurations, run every test
# make run    the viewer with the real dictionary, under Wine (scripts/run-viewer)
# make vbd    the native command-line dictionary tool
# make bench  benchmarks (figures printed)
# make fuzz   the fuzzers, each for a bounded time
# make dictionary   build/fr_en.vbd, the FreeDict dictionary (data/dictionary.mk)
BUILD := build
JOBS := $(shell nproc)
CONFIGS := native win64 win32

include data/dictionary.mk

.PHONY: test deps build $(CONFIGS)

test: build
	scripts/run-tests

deps:
	scripts/install-deps

build: deps $(CONFIGS)

$(BUILD)/native/build.ninja: | deps
	cmake -S . -B $(BUILD)/native -G Ninja
$(BUILD)/win64/build.ninja: | deps
	cmake -S . -B $(BUILD)/win64 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake
$(BUILD)/win32/build.ninja: | deps
	cmake -S . -B $(BUILD)/win32 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake

$(CONFIGS): %: $(BUILD)/%/build.ninja
	cmake --build $(BUILD)/$* -j $(JOBS)

# The viewer in a Wine prefix of its own, with the FreeDict dictionary beside it.
.PHONY: run
run: $(BUILD)/win64/build.ninja $(BUILD)/fr_en.vbd
	cmake --build $(BUILD)/win64 -j $(JOBS) --target orvanto
	scripts/run-viewer $(BUILD)/win64/bin/orvanto.exe $(BUILD)/fr_en.vbd

.PHONY: vbd
vbd: $(BUILD)/native/build.ninja
	cmake --build $(BUILD)/native -j $(JOBS) --target vbd

# Benchmarks print their figures; the synthetic million-line dictionary is made
# once under $(BUILD)/bench.
.PHONY: bench
bench: native $(BUILD)/fr_en.vbd
	mkdir -p $(BUILD)/bench
	$(BUILD)/native/bin/dictionary_bench $(BUILD)/fr_en.vbd $(BUILD)/bench

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

# Benchmarks print their figures: the engine's natively (the synthetic
# million-line dictionary is made once under $(BUILD)/bench), the display's
# and the lookup view's (keystroke to painted list) under Wine.
.PHONY: bench
bench: native win64 $(BUILD)/fr_en.vbd
	mkdir -p $(BUILD)/bench
	$(BUILD)/native/bin/dictionary_bench $(BUILD)/fr_en.vbd $(BUILD)/bench
	scripts/in-wine-session $(BUILD)/win64/bin/display_bench.exe $(BUILD)/fr_en.vbd
	scripts/in-wine-session $(BUILD)/win64/bin/lookup_view_bench.exe $(BUILD)/fr_en.vbd

# Each fuzzer runs for FUZZ_SECONDS from a corpus seeded with the sample source
# and its compiled dictionary; a crash stops make with the input that caused it.
FUZZ_SECONDS ?= 120
.PHONY: fuzz
fuzz: deps vbd
	cmake -S . -B $(BUILD)/fuzz -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DORVANTO_FUZZ=ON
	cmake --build $(BUILD)/fuzz -j $(JOBS) --target reader_fuzz builder_fuzz
	mkdir -p $(BUILD)/fuzz/corpus/reader $(BUILD)/fuzz/corpus/builder
	cp data/sample.txt $(BUILD)/fuzz/corpus/builder/
	$(BUILD)/native/bin/vbd build data/sample.txt $(BUILD)/fuzz/corpus/reader/sample.vbd
	cd $(BUILD)/fuzz && bin/reader_fuzz -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 corpus/reader
	cd $(BUILD)/fuzz && bin/builder_fuzz -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 corpus/builder

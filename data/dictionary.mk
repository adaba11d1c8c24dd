# The real dictionary: Debian's FreeDict French-English and English-French
# databases, converted to a source (data/freedict_to_source.py) and compiled by
# the native vbd tool. Included by the top Makefile; nothing here is committed
# output: both files live in $(BUILD).
#   make dictionary   $(BUILD)/fr_en.vbd

# Keep the including Makefile's default goal: this file's rules must not become it.
dictionary_mk_goal := $(.DEFAULT_GOAL)

FREEDICT_DIR := /usr/share/dictd
FREEDICT_DATA := $(foreach d,fra-eng eng-fra,$(FREEDICT_DIR)/freedict-$(d).index $(FREEDICT_DIR)/freedict-$(d).dict.dz)
VBD := $(BUILD)/native/bin/vbd

.PHONY: dictionary

dictionary: $(BUILD)/fr_en.vbd

# The packages come from scripts/install-deps.
$(FREEDICT_DATA): | deps ;

$(BUILD)/freedict_source.txt: data/freedict_to_source.py $(FREEDICT_DATA)
	mkdir -p $(@D)
	python3 data/freedict_to_source.py --dictd $(FREEDICT_DIR) $@

# The tool is rebuilt when the engine's or the tool's sources change (ninja
# decides what to do); the dictionary is compiled again only when the tool or
# the source is newer than it.
$(VBD): $(wildcard dictionary/*.cpp dictionary/*.h tools/vbd/*.cpp tools/vbd/*.h) | $(BUILD)/native/build.ninja
	cmake --build $(BUILD)/native -j $(JOBS) --target vbd

# vbd prints a line on standard error when the reading stopped early: that
# would lose the rest of the source, so it fails the build.
$(BUILD)/fr_en.vbd: $(BUILD)/freedict_source.txt $(VBD)
	$(VBD) build $(BUILD)/freedict_source.txt $@.tmp 2>$@.err; status=$$?; cat $@.err >&2; \
	if [ $$status -ne 0 ] || [ -s $@.err ]; then rm -f $@.tmp $@.err; exit 1; fi; \
	rm -f $@.err; mv $@.tmp $@

.DEFAULT_GOAL := $(dictionary_mk_goal)

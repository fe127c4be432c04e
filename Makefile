# Thin wrapper: install dependencies, configure, build, run.
BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= $(shell nproc)
# `make run` opens a copy of the sample, so a save there leaves the tracked
# file alone; a copy already there (perhaps edited) is kept.
SAMPLE_COPY = $(BUILD)/sample
SAMPLE_FILES = $(addprefix $(SAMPLE_COPY)/,ukazka.sub ukazka.avi)

.PHONY: all deps configure build run test test-asan bench clean

all: build

deps:
	@bash scripts/install-deps.sh

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release

configure: deps $(BUILD)/CMakeCache.txt

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build $(SAMPLE_FILES)
	$(BUILD)/cuefold $(abspath $(SAMPLE_COPY)/ukazka.sub)

$(SAMPLE_COPY)/%: | samples/%
	@mkdir -p $(SAMPLE_COPY)
	cp samples/$* $@

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 120

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer, in its
# own build folder.
test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCUEFOLD_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600

bench: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/cuefold_bench

clean:
	rm -rf $(BUILD)

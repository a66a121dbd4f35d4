# make run   - install what is needed, build, start htprog from the build tree
# make test  - install what is needed, build with sanitizers, run every test suite
# make bench - paced transfer, grid and Program.ini load benchmarks
# make fuzz  - build the libFuzzer targets (clang) into fuzz-build/
# make format, make format-check - apply / check .clang-format
JOBS ?= $(shell nproc)
BUILD ?= build
TEST_BUILD ?= build-test
FUZZ_BUILD ?= fuzz-build
CMAKE_GEN := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")

.PHONY: deps build run test bench fuzz format format-check clean

deps:
	bash scripts/install-deps.sh

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHTPROG_TESTS=OFF

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD)/bin && ./htprog

test: deps
	cmake -S . -B $(TEST_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DHTPROG_SANITIZE=ON -DHTPROG_TESTS=ON -DHTPROG_WERROR=ON
	cmake --build $(TEST_BUILD) -j $(JOBS)
	cd $(TEST_BUILD) && ctest --output-on-failure -j $(JOBS)

SOURCES = $(shell find src tests bench fuzz -name '*.cpp' -o -name '*.h')

format:
	clang-format -i $(SOURCES)

# Fails when a source file is not formatted as .clang-format says.
format-check:
	@clang-format --dry-run -Werror $(SOURCES) && echo "format-check: every source file is formatted"

bench: build
	cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	cd $(BUILD) && ctest -C bench -L bench --output-on-failure -V

fuzz: deps
	CXX=clang++ CC=clang cmake -S . -B $(FUZZ_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHTPROG_FUZZ=ON -DHTPROG_TESTS=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@echo "fuzz targets are in $(FUZZ_BUILD)/bin: run e.g. $(FUZZ_BUILD)/bin/fuzz_inifile -max_total_time=600"

clean:
	rm -rf $(BUILD) $(TEST_BUILD) $(FUZZ_BUILD)

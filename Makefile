# make run   - install what is needed, build, start htprog from the build tree
# make test  - install what is needed, build with sanitizers, run every test suite
# make bench - paced transfer, grid and Program.ini load benchmarks
# make fuzz  - build the libFuzzer targets (clang) into fuzz-build/
# make format, make format-check - apply / check .clang-format
# make codemap, make codemap-check - rewrite / check the README's code map (from CMake)
# make package - the Debian package build/htprog_<version>_<arch>.deb
# make package-check - the package through lintian, the desktop entry, AppStream
#                      and manual pages through their validators
# make windows - the Windows installer and zip in build-win/ (cross-built with
#                mingw-w64; Qt for Windows is built once into ~/.cache/htprog)
# make windows-test - the Windows test suites and end-to-end checks under wine
JOBS ?= $(shell nproc)
BUILD ?= build
TEST_BUILD ?= build-test
FUZZ_BUILD ?= fuzz-build
CMAKE_GEN := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")

.PHONY: deps build run test bench fuzz format format-check codemap codemap-check package \
	package-check clean \
	windows windows-test windows-deps

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

# The README's code map table from the CMake targets of src/.
codemap:
	python3 scripts/codemap.py --update

# Fails when the code map is not current, or a folder's includes and links differ.
codemap-check:
	@python3 scripts/codemap.py --check

bench: build
	cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	cd $(BUILD) && ctest -C bench -L bench --output-on-failure -V

fuzz: deps
	CXX=clang++ CC=clang cmake -S . -B $(FUZZ_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHTPROG_FUZZ=ON -DHTPROG_TESTS=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@echo "fuzz targets are in $(FUZZ_BUILD)/bin: run e.g. $(FUZZ_BUILD)/bin/fuzz_inifile -max_total_time=600"

# Built with Debian's hardening flags, installed under /usr, stripped by cpack.
BUILDFLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get
package: deps
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHTPROG_TESTS=OFF \
		"-DCMAKE_CXX_FLAGS=$$($(BUILDFLAGS) CXXFLAGS) $$($(BUILDFLAGS) CPPFLAGS)" \
		"-DCMAKE_EXE_LINKER_FLAGS=$$($(BUILDFLAGS) LDFLAGS)"
	cmake --build $(BUILD) -j $(JOBS)
	rm -f $(BUILD)/htprog_*.deb
	cd $(BUILD) && cpack -G DEB
	@ls $(BUILD)/htprog_*.deb

package-check: package
	lintian --fail-on error --display-info $(BUILD)/htprog_*.deb
	desktop-file-validate resources/htprog.desktop
	appstreamcli validate --no-net resources/org.htprog.htprog.metainfo.xml
	bash scripts/check-manpages.sh

windows-deps:
	bash scripts/install-deps.sh --windows

windows: windows-deps
	bash scripts/build-windows.sh

# Builds the suites for Windows as well, runs them under wine, then the serial
# line through wine, the installer and the program (scripts/windows-test.sh).
windows-test: windows-deps
	HTPROG_WINDOWS_TESTS=ON bash scripts/build-windows.sh
	bash scripts/windows-test.sh

clean:
	rm -rf $(BUILD) $(TEST_BUILD) $(FUZZ_BUILD) build-win

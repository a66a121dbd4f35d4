#!/usr/bin/env bash
# make windows: Qt for mingw-w64 (built once into a cache, see build-qt-mingw.sh),
# the cross build of htprog.exe and htprog-cli.exe from the same sources and CMake
# files as on Linux, then in build-win/:
#   htprog-<version>-win64-setup.exe   the NSIS installer
#   htprog-<version>-win64.zip         the same files to run from a folder
# With HTPROG_WINDOWS_TESTS=ON the test suites are built as well (make windows-test).
set -euo pipefail
cd "$(dirname "$0")/.."
here="$(pwd)"
build="${WIN_BUILD:-build-win}"
tests="${HTPROG_WINDOWS_TESTS:-OFF}"
jobs="$(nproc)"

qt="$(bash scripts/build-qt-mingw.sh | tail -n 1)"

# Qt's own toolchain file puts its prefix on the search path and chains to ours.
cmake -S . -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$here/packaging/windows/mingw64-toolchain.cmake" \
    -DCMAKE_PREFIX_PATH="$qt" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_BUILD_TYPE=Release \
    -DHTPROG_TESTS="$tests" \
    -DHTPROG_WERROR=ON \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$here/scripts/wine-run.sh"
cmake --build "$build" -j "$jobs"

version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
stage="$build/stage"
rm -rf "$stage"
cmake --install "$build" --prefix "$stage" --strip > /dev/null
bash scripts/check-windows-dlls.sh "$stage"

zip="$build/htprog-$version-win64.zip"
rm -rf "$build/zip" "$zip"
mkdir -p "$build/zip"
cp -a "$stage" "$build/zip/htprog-$version"
(cd "$build/zip" && zip -q -r -X "$here/$zip" "htprog-$version")
rm -rf "$build/zip"

setup="$build/htprog-$version-win64-setup.exe"
makensis -V2 -DVERSION="$version" -DSTAGE="$here/$stage" -DOUTFILE="$here/$setup" \
    packaging/windows/htprog.nsi
ls -l "$setup" "$zip"

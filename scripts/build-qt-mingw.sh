#!/usr/bin/env bash
# Builds Qt (qtbase only: Core, Gui, Widgets, PrintSupport, Test and the
# windows and offscreen platform plugins) for 64-bit Windows with mingw-w64,
# from the Debian source of the host Qt, into a cache folder keyed by the Qt
# version, the configure options, the patches and the toolchain file. A folder
# that is already complete is used as it is.
#
# Prints the install prefix on its last line of standard output.
# HTPROG_CACHE overrides the cache root (default ~/.cache/htprog).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
win="$here/packaging/windows"

qt_version=6.4.2
toolchain="$win/mingw64-toolchain.cmake"
options=(
    -release -shared -nomake tests -nomake examples
    -no-pkg-config -no-dbus -no-icu -no-opengl -no-feature-vulkan -no-ssl
    -qt-zlib -qt-libpng -qt-freetype -qt-harfbuzz -qt-pcre -no-feature-jpeg
    -no-feature-sql -no-feature-network -no-feature-concurrent
    # Direct2D stays on (QtGui's DirectWrite font classes need it); only its
    # own platform plugin is left out.
    -no-feature-direct2d1_1
)

key="$( {
    echo "$qt_version"
    printf '%s\n' "${options[@]}"
    cat "$toolchain" "$win"/qt-patches/*.patch
} | sha256sum | cut -c1-12)"
cache_root="${HTPROG_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/htprog}"
prefix="$cache_root/qt-$qt_version-mingw64-$key"

if [ -f "$prefix/.complete" ]; then
    echo "build-qt-mingw: using $prefix" >&2
    echo "$prefix"
    exit 0
fi

work="$cache_root/qt-build-$key"
rm -rf "$work" "$prefix"
mkdir -p "$work"
cd "$work"

echo "build-qt-mingw: fetching the source of Qt $qt_version" >&2
# Debian's source package of the host Qt: exactly the version the host tools
# (moc, rcc, uic) are.
apt-get source --download-only qt6-base >&2
tarball="$(ls qt6-base_"$qt_version"*.orig.tar.xz 2>/dev/null | head -n1)"
if [ -z "$tarball" ]; then
    echo "build-qt-mingw: the Qt source found is not version $qt_version" >&2
    exit 1
fi
tar xf "$tarball"
src="$work/qtbase-everywhere-src-$qt_version"
for p in "$win"/qt-patches/*.patch; do
    echo "build-qt-mingw: applying $(basename "$p")" >&2
    patch -d "$src" -p1 --forward --batch < "$p" >&2
done

mkdir -p build
cd build
echo "build-qt-mingw: configuring" >&2
"$src/configure" -prefix "$prefix" "${options[@]}" -- -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >&2
echo "build-qt-mingw: building (about 35 minutes on two cores)" >&2
cmake --build . --parallel "$(nproc)" >&2
cmake --install . >&2
touch "$prefix/.complete"
cd /
rm -rf "$work"
echo "$prefix"

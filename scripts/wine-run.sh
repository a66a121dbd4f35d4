#!/usr/bin/env bash
# Runs a Windows program under wine: the test suites (ctest's cross-compiling
# emulator) and the Windows checks. A wine prefix of the build's own (never the
# user's ~/.wine), wine's own messages off, Qt's and mingw's DLLs on the search
# path, and a time limit: a Qt program that finds no display hangs instead of
# exiting.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${WIN_BUILD:-$here/build-win}"
case "$build" in /*) ;; *) build="$here/$build" ;; esac
export WINEPREFIX="${WINEPREFIX:-$build/wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko download dialogs when the prefix is made.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

if [ -z "${HTPROG_WINE_PATH:-}" ] && [ -f "$build/CMakeCache.txt" ]; then
    qt="$(sed -n 's/^CMAKE_PREFIX_PATH:[A-Z]*=//p' "$build/CMakeCache.txt")"
    gcc_dir="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")"
    pthread_dir="$(dirname "$(readlink -f "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")")"
    HTPROG_WINE_PATH="Z:${qt//\//\\}\\bin;Z:${gcc_dir//\//\\};Z:${pthread_dir//\//\\}"
fi
if [ -n "${HTPROG_WINE_PATH:-}" ]; then
    export WINEPATH="$HTPROG_WINE_PATH"
fi

if [ ! -d "$WINEPREFIX" ]; then
    mkdir -p "$WINEPREFIX"
    timeout 300 wineboot --init > /dev/null 2>&1 || true
    timeout 60 wineserver --wait || true
fi
# A QtTest suite under wine writes its log only to a file: it is shown afterwards.
case "$(basename "$1")" in
tst_*.exe)
    log="$(mktemp)"
    status=0
    timeout --kill-after=10 "${HTPROG_WINE_TIMEOUT:-600}" wine "$@" -o "$log,txt" || status=$?
    cat "$log"
    rm -f "$log"
    exit "$status"
    ;;
esac
exec timeout --kill-after=10 "${HTPROG_WINE_TIMEOUT:-600}" wine "$@"

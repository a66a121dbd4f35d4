#!/usr/bin/env bash
# make windows-test (after scripts/build-windows.sh with the suites built):
#   1. every Windows test suite under wine (ctest, offscreen platform);
#   2. the serial line through wine: the Linux simulated radio serves a
#      pseudo-terminal, wine's COM5 is linked to it, and htprog-cli.exe reads and
#      writes it with the same bytes as the Linux htprog-cli;
#   3. the installer: a silent install, the installed htprog-cli.exe gives the
#      same bytes and text as on Linux, the uninstaller removes it;
#   4. the program: htprog.exe under wine and Xvfb shows its main window with the
#      .dat given on the command line, and exits cleanly when closed.
set -euo pipefail
cd "$(dirname "$0")/.."
here="$(pwd)"
build="$here/${WIN_BUILD:-build-win}"
export WIN_BUILD="$build"
wine_run="$here/scripts/wine-run.sh"
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
work="$build/checks"
rm -rf "$work"
mkdir -p "$work"

step() { echo "windows-test: $*"; }
failed() {
    echo "windows-test: FAILED: $*" >&2
    exit 1
}

# The Linux htprog-cli: the reference for the bytes, and the simulated radio.
linux_cli="$here/build/bin/htprog-cli"
if [ ! -x "$linux_cli" ]; then
    make -C "$here" build > /dev/null
fi
export HOME="$work/home"
export XDG_CONFIG_HOME="$HOME/config" XDG_DATA_HOME="$HOME/data" XDG_RUNTIME_DIR="$HOME/run"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# A display for the program and for the suites that want one. It must accept
# connections before the first wine process starts: wine's desktop process,
# started once per prefix, keeps the display it found.
display=":$((90 + RANDOM % 9))"
while [ -e "/tmp/.X11-unix/X${display#:}" ]; do
    display=":$((90 + RANDOM % 9))"
done
Xvfb "$display" -screen 0 1366x768x24 -nolisten tcp > /dev/null 2>&1 &
xvfb_pid=$!
servers=()
export WINEPREFIX="$build/wine"
cleanup() {
    for pid in "${servers[@]}"; do kill "$pid" 2> /dev/null || true; done
    WINEPREFIX="$WINEPREFIX" wineserver -k 2> /dev/null || true
    kill "$xvfb_pid" 2> /dev/null || true
}
trap cleanup EXIT
export DISPLAY="$display"
for _ in $(seq 100); do
    xdpyinfo > /dev/null 2>&1 && break
    sleep 0.1
done
xdpyinfo > /dev/null 2>&1 || failed "Xvfb did not start on $display"

# One wine prefix for all checks, made before anything runs in parallel, with
# no wine process left from before (it would hold another display).
wineserver -k 2> /dev/null || true
timeout 60 wineserver --wait 2> /dev/null || true
"$wine_run" cmd /c exit 0 > /dev/null 2>&1 || true
wineserver_wait() { WINEPREFIX="$WINEPREFIX" timeout 60 wineserver --wait || true; }

# 1. The suites.
# WINDOWS_TEST_CHECKS_ONLY=1 runs the end-to-end checks alone, after a change to them.
if [ "${WINDOWS_TEST_CHECKS_ONLY:-0}" != 1 ]; then
    step "running the test suites under wine"
    (cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j 2 --timeout 1200)
fi

# 2. The serial line. A simulated radio on a pseudo-terminal, served by Linux.
serve() { # serve IMAGE: starts a radio; its device path in $pty
    local out="$work/serve.$RANDOM"
    "$linux_cli" simulate --image "$1" > "$out" 2> "$work/serve.err" &
    servers+=($!)
    for _ in $(seq 100); do
        [ -s "$out" ] && break
        sleep 0.1
    done
    pty="$(head -n 1 "$out")"
}
link_com5() {
    ln -sfn "$1" "$WINEPREFIX/dosdevices/com5"
}

step "serial line: htprog-cli.exe read --port COM5"
"$linux_cli" new "$work/radio.dat" > /dev/null
cat > "$work/radio.csv" << 'EOF'
CH,Rx Frequency,Tx Frequency,Rx Tone,Tx Tone,Power,Cha Lock,Scan Add,Bandwidth,Cha Name
Pr,146.52000,146.52000,None,None,High,Unlock,Yes,Wide,CALL
1,145.50000,145.50000,88.5,88.5,Low,Unlock,Yes,Narrow,LOCAL
199,438.50000,431.10000,D023N,D023N,High,Lock,No,Wide,RPT
EOF
"$linux_cli" import "$work/radio.dat" "$work/radio.csv" > /dev/null
cp "$work/radio.dat" "$work/radio-linux.dat"
serve "$work/radio.dat"
[ -n "$pty" ] || failed "the simulated radio did not start: $(cat "$work/serve.err")"
link_com5 "$pty"
(cd "$work" && "$wine_run" "$build/stage/htprog-cli.exe" read --port COM5 --no-backup win-read.dat) \
    || failed "htprog-cli.exe read --port COM5"
kill "${servers[-1]}"; wait "${servers[-1]}" 2> /dev/null || true
serve "$work/radio-linux.dat"
"$linux_cli" read --port "$pty" --no-backup "$work/linux-read.dat" > /dev/null
kill "${servers[-1]}"; wait "${servers[-1]}" 2> /dev/null || true
cmp "$work/win-read.dat" "$work/linux-read.dat" || failed "read through wine differs from the Linux read"

step "serial line: htprog-cli.exe write --port COM5"
"$linux_cli" new "$work/fresh.dat" > /dev/null
cp "$work/fresh.dat" "$work/fresh-linux.dat"
serve "$work/fresh.dat"
link_com5 "$pty"
(cd "$work" && "$wine_run" "$build/stage/htprog-cli.exe" write --port COM5 win-read.dat) \
    || failed "htprog-cli.exe write --port COM5"
kill "${servers[-1]}"; wait "${servers[-1]}" 2> /dev/null || true
serve "$work/fresh-linux.dat"
"$linux_cli" write --port "$pty" "$work/linux-read.dat" > /dev/null
kill "${servers[-1]}"; wait "${servers[-1]}" 2> /dev/null || true
cmp "$work/fresh.dat" "$work/fresh-linux.dat" || failed "the radio written through wine differs from the one written by Linux"

step "simulated radio: htprog-cli.exe write and read --port sim"
(cd "$work" && "$wine_run" "$build/stage/htprog-cli.exe" write --port sim radio.dat > /dev/null) \
    || failed "htprog-cli.exe write --port sim"
(cd "$work" && "$wine_run" "$build/stage/htprog-cli.exe" read --port sim --no-backup sim-read.dat > /dev/null) \
    || failed "htprog-cli.exe read --port sim"
cmp "$work/sim-read.dat" "$work/radio.dat" || failed "the simulated radio did not keep what was written"

# 3. The installer.
step "installer: silent install"
setup="$build/htprog-$version-win64-setup.exe"
"$wine_run" "$setup" /S || failed "the installer"
wineserver_wait
installed="$WINEPREFIX/drive_c/Program Files/htprog"
[ -x "$installed/htprog-cli.exe" ] || failed "nothing installed in $installed"
(cd "$work" && "$wine_run" "C:\\Program Files\\htprog\\htprog-cli.exe" new win-new.dat) \
    || failed "installed htprog-cli.exe new"
"$linux_cli" new "$work/linux-new.dat" > /dev/null
cmp "$work/win-new.dat" "$work/linux-new.dat" || failed "new differs from Linux"
# A folder and files named in Chinese: made whole, read back, no lock left behind.
mkdir -p "$work/信道"
cp "$work/radio.dat" "$work/信道/对讲机.dat"
(cd "$work" && LC_ALL=C.UTF-8 "$wine_run" "C:\\Program Files\\htprog\\htprog-cli.exe" new \
    "信道\\新的.dat") || failed "installed htprog-cli.exe new in a folder named in Chinese"
cmp "$work/信道/新的.dat" "$work/linux-new.dat" || failed "new in a folder named in Chinese differs from Linux"
(cd "$work" && LC_ALL=C.UTF-8 "$wine_run" "C:\\Program Files\\htprog\\htprog-cli.exe" channels \
    "信道\\对讲机.dat" --json > "$work/win-chinese-name.json") \
    || failed "installed htprog-cli.exe channels of a file named in Chinese"
"$linux_cli" channels "$work/radio.dat" --json > "$work/linux-chinese-name.json"
cmp "$work/win-chinese-name.json" "$work/linux-chinese-name.json" || failed "channels of a file named in Chinese differs"
[ -z "$(find "$work/信道" -name '*.lock')" ] || failed "a lock was left behind in the folder named in Chinese"
"$wine_run" "C:\\Program Files\\htprog\\htprog-cli.exe" channels "Z:$(echo "$work/radio.dat" | tr / '\\')" \
    --json --lang zh > "$work/win-channels.json" || failed "installed htprog-cli.exe channels"
"$linux_cli" channels "$work/radio.dat" --json --lang zh > "$work/linux-channels.json"
cmp "$work/win-channels.json" "$work/linux-channels.json" || failed "channels --json --lang zh differs from Linux"
grep -q '"name": "CALL"' "$work/win-channels.json" || failed "the channels were not listed"

step "installer: silent uninstall"
"$wine_run" "C:\\Program Files\\htprog\\uninstall.exe" /S || failed "the uninstaller"
for _ in $(seq 60); do
    [ -e "$installed/htprog-cli.exe" ] || break
    sleep 1
done
wineserver_wait
[ ! -e "$installed" ] || failed "the uninstaller left $(ls "$installed")"

# 4. The program.
step "program: htprog.exe with a .dat under Xvfb"
cp "$work/radio.dat" "$work/shown.dat"
(cd "$work" && HTPROG_WINE_TIMEOUT=120 "$wine_run" "$build/stage/htprog.exe" shown.dat) &
program=$!
window=""
for _ in $(seq 60); do
    window="$(xdotool search --name '^htprog' 2> /dev/null | head -n 1 || true)"
    [ -n "$window" ] && break
    sleep 1
done
[ -n "$window" ] || failed "htprog.exe shows no main window"
sleep 5
import -window root "$work/program.png"
colours="$(convert "$work/program.png" -format '%k' info:)"
[ "$colours" -gt 50 ] || failed "the screenshot is blank ($colours colours)"
xdotool key --window "$window" alt+F4
status=0
wait "$program" || status=$?
[ "$status" -eq 0 ] || failed "htprog.exe exited with $status"
wineserver_wait
# The document opened: the program lists it in File > Recent Files, kept in
# the per-user settings in the registry.
"$wine_run" reg query 'HKCU\Software\htprog' /v RecentFiles > "$work/recent.txt" 2>&1 || true
grep -qi 'shown.dat' "$work/recent.txt" || failed "htprog.exe did not open shown.dat: $(cat "$work/recent.txt")"
step "all checks passed (screenshot: $work/program.png)"

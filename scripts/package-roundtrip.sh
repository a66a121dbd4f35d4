#!/usr/bin/env bash
# Installs the Debian package with apt-get as a user would, uses it from
# /usr/bin (htprog-cli new and channels; htprog started from its desktop entry's
# command line under Xvfb for a few seconds), and removes it again. Runs as root
# or with sudo; refuses to touch an htprog that is already installed.
#   scripts/package-roundtrip.sh build/htprog_*.deb
set -euo pipefail
deb=$(realpath "${1:?usage: package-roundtrip.sh PACKAGE.deb}")
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
if dpkg-query -W -f='${Status}' htprog 2>/dev/null | grep -q 'install ok installed'; then
    echo "package-roundtrip: htprog is installed already; remove it first" >&2
    exit 1
fi

work=$(mktemp -d)
cleanup() {
    $sudo apt-get purge -y -qq htprog >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get install -y -qq --no-install-recommends "$deb" >/dev/null
echo "package-roundtrip: installed $(dpkg-query -W -f='${Package} ${Version}' htprog)"

# A user of our own, so that nothing of the real user's settings is touched.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
mkdir -p "$HOME"
cd "$work"

[ "$(command -v htprog-cli)" = /usr/bin/htprog-cli ]
/usr/bin/htprog-cli new radio.dat
[ "$(stat -c %s radio.dat)" = 8192 ]
rows=$(/usr/bin/htprog-cli channels radio.dat --json | grep -o '"ch"' | wc -l)
[ "$rows" = 200 ]
/usr/bin/htprog-cli channels radio.dat | head -n 3
echo "package-roundtrip: htprog-cli new and channels work from /usr/bin"

# The command of the desktop entry, without its field codes.
exec_line=$(sed -n 's/^Exec=//p' /usr/share/applications/htprog.desktop | sed 's/ %[fFuU]//')
[ "$exec_line" = htprog ]
if [ -f /usr/share/mime/globs2 ]; then
    grep -q 'application/x-htprog-image:\*\.dat' /usr/share/mime/globs2
fi
# htprog must show its main window, titled after the product and as large as
# the screen, and keep running; a start-up failure shows a small box titled
# "Program" instead, or ends the process.
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    main_window() { xwininfo -root -tree | grep -E "0x[0-9a-f]+ \"htprog[^\"]*\": .* 1280x1024\+"; }
    '"$exec_line"' radio.dat & pid=$!
    for i in $(seq 1 20); do
        sleep 0.5
        main_window >/dev/null && break
    done
    sleep 2
    kill -0 "$pid" || { echo "package-roundtrip: htprog ended early" >&2; exit 1; }
    main_window || { echo "package-roundtrip: no htprog main window" >&2; exit 1; }
    kill "$pid"; wait "$pid" || true'
echo "package-roundtrip: htprog started from /usr/bin under Xvfb"

cleanup
trap - EXIT
if dpkg-query -W -f='${Status}' htprog 2>/dev/null | grep -q 'install ok installed'; then
    echo "package-roundtrip: htprog is still installed" >&2
    exit 1
fi
echo "package-roundtrip: removed again"

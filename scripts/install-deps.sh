#!/usr/bin/env bash
# Installs every Debian package that building, running, testing and packaging
# htprog needs. With --windows, also what the Windows build needs: the mingw-w64
# cross compilers, wine, NSIS, socat, the icon tools, and a deb-src entry for
# Debian's main archive (the Qt source is fetched from it).
# Safe to run again: apt-get skips what is already installed.
set -euo pipefail

windows=false
if [ "${1:-}" = "--windows" ]; then
    windows=true
fi

packages=(
    build-essential cmake ninja-build pkg-config git
    clang clang-format libclang-rt-14-dev
    qt6-base-dev qt6-base-dev-tools qt6-serialport-dev qt6-tools-dev qt6-tools-dev-tools
    qt6-l10n-tools qt6-translations-l10n qt6-qpa-plugins libqt6svg6
    libgl-dev libxkbcommon-dev
    fonts-liberation fonts-wqy-zenhei fonts-dejavu-core
    xvfb xauth x11-apps x11-utils imagemagick poppler-utils
    dpkg-dev file lintian desktop-file-utils appstream man-db python3
)
if $windows; then
    packages+=(
        g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools
        wine64 wine nsis socat zip unzip librsvg2-bin xz-utils patch xdotool
    )
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi

# The Qt source for the Windows build comes from Debian's source archive.
sources_entry=/etc/apt/sources.list.d/htprog-deb-src.sources
need_update=false
if $windows && ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ \
    && ! grep -qs '^deb-src ' /etc/apt/sources.list; then
    codename="$(. /etc/os-release && echo "$VERSION_CODENAME")"
    printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: %s\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
        "$codename" | $sudo tee "$sources_entry" > /dev/null
    need_update=true
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    if $need_update; then
        $sudo apt-get update
    fi
    echo "install-deps: all packages present"
    exit 0
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends "${missing[@]}"

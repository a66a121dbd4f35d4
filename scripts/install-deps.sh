#!/usr/bin/env bash
# Installs every Debian package that building, running, testing and packaging
# htprog needs.
# Safe to run again: apt-get skips what is already installed.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config git
    clang clang-format libclang-rt-14-dev
    qt6-base-dev qt6-base-dev-tools qt6-serialport-dev qt6-tools-dev qt6-tools-dev-tools
    qt6-l10n-tools qt6-translations-l10n qt6-qpa-plugins libqt6svg6
    libgl-dev libxkbcommon-dev
    fonts-liberation fonts-wqy-zenhei fonts-dejavu-core
    xvfb xauth x11-apps x11-utils imagemagick poppler-utils
    dpkg-dev file lintian desktop-file-utils appstream man-db
)

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    echo "install-deps: all packages present"
    exit 0
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends "${missing[@]}"

#!/usr/bin/env bash
# Installs the Debian packages the suite needs to build, run and test.
set -euo pipefail
packages=(
    cmake ninja-build g++
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 libqt6sql6-sqlite libgl-dev
    qt6-charts-dev
    fonts-dejavu-core fonts-liberation
    xvfb xauth x11-utils imagemagick poppler-utils
    desktop-file-utils appstream shared-mime-info dpkg-dev file
    clang libclang-rt-14-dev
    python3-pyatspi at-spi2-core dbus-daemon dbus-bin
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi

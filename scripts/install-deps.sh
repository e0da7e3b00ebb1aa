#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Tandrel need.
set -euo pipefail
packages=(
    cmake g++ make pkg-config clang-format ccache
    qt6-base-dev libgl-dev libx11-dev libxtst-dev libxrandr-dev libxdamage-dev libgtest-dev
    xvfb xauth openbox xterm mousepad xclip xdotool x11-utils fonts-dejavu-core fonts-liberation2
    cups printer-driver-cups-pdf poppler-utils
    clang libclang-rt-14-dev
    sway foot wl-clipboard wtype weston xwayland qt6-wayland
    libwayland-dev wayland-protocols libwayland-bin libxkbcommon-dev
    dpkg-dev file lintian desktop-file-utils appstream librsvg2-bin
)
as_root=()
[[ $(id -u) -eq 0 ]] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update
"${as_root[@]}" apt-get install -y --no-install-recommends "${packages[@]}"

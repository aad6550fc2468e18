#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what Klevar needs from Debian's packages (only what is missing), then
# configures and builds it in build/. Safe to run again: an up-to-date machine and
# build take a few seconds. With --packages-only it installs the packages and builds
# nothing; package names after it are installed too (the packaging tools, say).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite
    libgtest-dev libgmock-dev
    ffmpeg mplayer
    yt-dlp  # the downloader reads today's video pages with it
    xvfb xauth x11-utils libgl1-mesa-dri
    xdotool x11-apps  # tools/screenshot-run.py drives the window and reads the screen
    sqlite3 fp-utils xchm librsvg2-bin
    dbus
    dpkg-dev
    appstream  # appstreamcli checks the software centre's entry
    clang libclang-rt-14-dev  # bench/fuzz: libFuzzer and the sanitizers' runtime
)

packages_only=false
if [ "${1:-}" = "--packages-only" ]; then
    packages_only=true
    shift
    packages+=("$@")
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -q
    $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

if $packages_only; then
    exit 0
fi

build="$here/build"
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" -j"$(nproc)"

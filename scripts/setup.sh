#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pimukaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages the game needs to build, run and be tested,
# then configures and builds it. Sourced by ./run.sh and ./test.sh.
set -euo pipefail

PACKAGES=(
    g++ cmake make pkg-config
    qt6-base-dev libgl-dev
    libjpeg62-turbo-dev libsdl2-dev
    # the question maker's image work: only modules that bring no second GUI toolkit
    libopencv-core-dev libopencv-imgproc-dev libopencv-video-dev libopencv-photo-dev
    fonts-ipafont-gothic
    xvfb xauth xdotool imagemagick python3 python3-xlib
    clang libclang-rt-14-dev
    # GNU time: the peak memory of the author's tool, apart from the benchmark's own
    time
    libbenchmark-dev
    dpkg-dev file desktop-file-utils appstream lintian
    # reads the package's copyright file as Debian's machine-readable format
    python3-debian
)

install_missing_packages() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build_game() {
    local dir=$1; shift
    cmake -S "$ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" -j"$(nproc)"
}

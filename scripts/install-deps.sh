#!/usr/bin/env bash
# SPDX-License-Identifier: BSL-1.0
# Installs the Debian packages that building and testing kaurl needs.
set -euo pipefail

packages=(
    build-essential cmake pkg-config dpkg-dev file
    libboost1.81-dev
    libgtest-dev libgmock-dev libbenchmark-dev googletest
    libcli11-dev nlohmann-json3-dev liburiparser-dev
    clang libclang-rt-14-dev
    python3
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done

if ((${#missing[@]})); then
    sudo=""
    [[ $(id -u) -eq 0 ]] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

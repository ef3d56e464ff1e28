#!/usr/bin/env bash
# SPDX-License-Identifier: BSL-1.0
# Installs the Debian packages that kaurl needs. Says in one line what it
# installs; apt's own output goes to a log file, whose tail is shown only when
# the installation fails.
#
#   install-deps.sh main   # the library and the tool (scripts/main-job.sh)
#   install-deps.sh [all]  # also every test, leg, check and the documentation
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
package_set=${1:-all}
if [[ $package_set != main && $package_set != all ]]; then
    echo "usage: install-deps.sh [main|all]" >&2
    exit 2
fi

packages=(build-essential cmake libboost1.81-dev libcli11-dev nlohmann-json3-dev)
if [[ $package_set == all ]]; then
    packages+=(
        pkg-config dpkg-dev file
        libgtest-dev libgmock-dev libbenchmark-dev googletest liburiparser-dev
        clang libclang-rt-14-dev libc++-14-dev libc++abi-14-dev
        abigail-tools
        g++-mingw-w64-x86-64-posix wine64
        g++-aarch64-linux-gnu qemu-user
        python3
        doxygen scdoc man-db
        emscripten chromium
        lintian
    )
fi

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done

if ((${#missing[@]} == 0)); then
    echo "install-deps: all ${#packages[@]} packages are installed"
    exit 0
fi

build=${KAURL_BUILD_DIR:-$root/build}
mkdir -p "$build"
log=$build/install-deps.log
echo "install-deps: installing ${missing[*]} (apt's output: $log)"

sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
apt_get() {
    DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=600 -y "$@"
}
if ! { apt_get update && apt_get install --no-install-recommends "${missing[@]}"; } > "$log" 2>&1; then
    tail -n 25 "$log" >&2
    echo "install-deps: apt-get failed; the whole output is in $log" >&2
    exit 1
fi

#!/usr/bin/env bash
# SPDX-License-Identifier: BSL-1.0
# The ARM64 leg: cross-builds GoogleTest and kaurl (the libraries, the tool and
# every test) for 64-bit ARM Linux with Debian's aarch64-linux-gnu cross
# compiler, warnings as errors, runs CTest under qemu-user and ends with one
# summary line. Builds go to build-arm64-googletest/ and build-arm64/
# (CMakePresets.json, preset "arm64"); the logs of build and tests stay in
# build-arm64/. The documentation, the benchmarks and the tests of an
# installed tree are left to the native build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-arm64
cd "$root"
source scripts/lib/leg.sh

leg_configure arm64 "$build" --toolchain "$root/cmake/toolchains/aarch64-linux-gnu.cmake"
leg_build_and_test arm64 "$build" "ARM64" "aarch64-linux-gnu under qemu-user"

#!/usr/bin/env bash
# SPDX-License-Identifier: BSL-1.0
# Builds GoogleTest (with GoogleMock) from Debian's sources, package googletest,
# and installs it into PREFIX: for builds whose compiler, target or standard
# library cannot use the system's prebuilt libgtest. Extra arguments go to
# CMake (a toolchain file, compiler flags). A PREFIX that already holds an
# installed GoogleTest is kept as it is.
#
#   scripts/build-googletest.sh PREFIX [CMAKE-ARGUMENT...]
set -euo pipefail
prefix=$1
shift
[[ -f $prefix/lib/cmake/GTest/GTestConfig.cmake ]] && exit 0

build=$prefix-build
cmake -S /usr/src/googletest -B "$build" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_INSTALL_LIBDIR=lib "$@" > /dev/null
cmake --build "$build" -j "$(nproc)" > /dev/null
cmake --install "$build" > /dev/null
rm -rf "$build"

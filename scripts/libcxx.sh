#!/usr/bin/env bash
# SPDX-License-Identifier: BSL-1.0
# The libc++ leg: builds the library, the tool and every test with clang++ and
# -stdlib=libc++ (warnings as errors), against a GoogleTest built for libc++
# from Debian's sources, runs CTest and ends with one summary line.
# Builds go to build-libcxx-googletest/ and build-libcxx/ (CMakePresets.json,
# preset "libcxx"); the logs of build and tests stay in build-libcxx/.
# To stay lean the leg builds without debug information and no benchmarks,
# and leaves the add_subdirectory consumer, which compiles the library a
# second time, to the main build; the installed-tree consumers run here.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-libcxx
cd "$root"
source scripts/lib/leg.sh

leg_configure libcxx "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS=-stdlib=libc++
leg_build_and_test libcxx "$build" "libc++" "clang++ -stdlib=libc++"

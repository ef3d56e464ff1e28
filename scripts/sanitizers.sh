#!/usr/bin/env bash
# SPDX-License-Identifier: BSL-1.0
# Builds and runs the whole test suite under AddressSanitizer + UBSan (leak
# checks included), then the concurrency tests under ThreadSanitizer. Any
# finding stops the test that made it and fails this script.
# Builds go to build-asan-ubsan/ and build-tsan/ (see CMakePresets.json).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

for preset in asan-ubsan tsan; do
    echo "== $preset"
    cmake --preset "$preset" > /dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done

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
start=$SECONDS

"$root/scripts/build-googletest.sh" "$root/build-libcxx-googletest" \
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS=-stdlib=libc++
cmake --preset libcxx > /dev/null

# Each step's output goes to a log that is shown only when the step fails.
run_logged() {
    local log=$1
    shift
    if ! "$@" > "$log" 2>&1; then
        cat "$log" >&2
        echo "libc++ leg: '$*' failed; log in $log" >&2
        exit 1
    fi
}
run_logged "$build/build.log" cmake --build --preset libcxx
run_logged "$build/ctest.log" ctest --preset libcxx

total=$(grep -Eo 'tests failed out of [0-9]+' "$build/ctest.log" | grep -Eo '[0-9]+$')
echo "libc++ leg: $total/$total tests passed (clang++ -stdlib=libc++) in $((SECONDS - start)) s"

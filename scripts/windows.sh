#!/usr/bin/env bash
# SPDX-License-Identifier: BSL-1.0
# The Windows leg: cross-builds GoogleTest and kaurl (the DLLs, the tool and
# every test) for 64-bit Windows with mingw-w64, warnings as errors, runs CTest
# under Wine and ends with one summary line. Builds go to
# build-mingw-googletest/ and build-mingw/ (CMakePresets.json, preset
# "windows"); the logs of build and tests stay in build-mingw/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-mingw
cd "$root"
start=$SECONDS

# Every Wine program of the leg runs in one prefix (set up by the first
# configure with the toolchain) and one Wine session, kept until the leg ends.
# The session's background processes start with its first program, and keep
# that program's standard output and error open: here, not in a test whose
# output CTest or test discovery waits for.
export WINEPREFIX=$build/wine-prefix
"$root/scripts/build-googletest.sh" "$root/build-mingw-googletest" \
    --toolchain "$root/cmake/toolchains/x86_64-w64-mingw32.cmake"
cmake --preset windows > /dev/null
/usr/lib/wine/wineserver -p
trap '/usr/lib/wine/wineserver -k || true' EXIT
/usr/lib/wine/wine64 cmd /c exit > /dev/null 2>&1

# Each step's output goes to a log that is shown only when the step fails.
run_logged() {
    local log=$1
    shift
    if ! "$@" > "$log" 2>&1; then
        cat "$log" >&2
        echo "Windows leg: '$*' failed; log in $log" >&2
        exit 1
    fi
}
run_logged "$build/build.log" cmake --build --preset windows
run_logged "$build/ctest.log" ctest --preset windows

total=$(grep -Eo 'tests failed out of [0-9]+' "$build/ctest.log" | grep -Eo '[0-9]+$')
echo "Windows leg: $total/$total tests passed (mingw-w64 DLLs under Wine) in $((SECONDS - start)) s"

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
source scripts/lib/leg.sh

# Every Wine program of the leg runs in one prefix (set up by the first
# configure with the toolchain) and one Wine session, kept until the leg ends.
# The session's background processes start with its first program, and keep
# that program's standard output and error open: here, not in a test whose
# output CTest or test discovery waits for.
export WINEPREFIX=$build/wine-prefix
leg_configure windows "$build" --toolchain "$root/cmake/toolchains/x86_64-w64-mingw32.cmake"
/usr/lib/wine/wineserver -p
trap '/usr/lib/wine/wineserver -k || true' EXIT
# Without address space randomization, as the toolchain's emulator runs them.
setarch -R /usr/lib/wine/wine64 cmd /c exit > /dev/null 2>&1

leg_build_and_test windows "$build" "Windows" "mingw-w64 DLLs under Wine"

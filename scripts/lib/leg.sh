# SPDX-License-Identifier: BSL-1.0
# shellcheck shell=bash
# What the build legs scripts/libcxx.sh and scripts/windows.sh share; they
# source it in the source tree's root. A leg builds GoogleTest for its
# compiler or target into <build dir>-googletest, then configures, builds and
# tests its preset of CMakePresets.json, whose build directory is <build dir>,
# and ends with one summary line.
#
#   leg_configure <preset> <build dir> <CMake argument for GoogleTest>...
#   leg_build_and_test <preset> <build dir> <leg's name> <what the leg tests>

leg_configure() {
    local preset=$1 build=$2
    shift 2
    scripts/build-googletest.sh "$build-googletest" "$@"
    cmake --preset "$preset" > /dev/null
}

# The output of build and tests goes to logs in the build directory, each
# shown only when its step fails.
leg_build_and_test() {
    local preset=$1 build=$2 name=$3 what=$4 total
    leg_run_logged "$name" "$build/build.log" cmake --build --preset "$preset"
    leg_run_logged "$name" "$build/ctest.log" ctest --preset "$preset"
    total=$(grep -Eo 'tests failed out of [0-9]+' "$build/ctest.log" | grep -Eo '[0-9]+$')
    echo "$name leg: $total/$total tests passed ($what) in $SECONDS s"
}

leg_run_logged() {
    local name=$1 log=$2
    shift 2
    if ! "$@" > "$log" 2>&1; then
        cat "$log" >&2
        echo "$name leg: '$*' failed; log in $log" >&2
        exit 1
    fi
}

#!/usr/bin/env bash
# SPDX-License-Identifier: BSL-1.0
# Configures kaurl with the preset "dev" (CMakePresets.json) and builds it in
# build/ (or $KAURL_BUILD_DIR). Extra arguments go to the configure step.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KAURL_BUILD_DIR:-$root/build}

cmake -S "$root" --preset dev -B "$build" "$@"
cmake --build "$build" -j "$(nproc)"

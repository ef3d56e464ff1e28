#!/usr/bin/env bash
# SPDX-License-Identifier: BSL-1.0
# Configures and builds kaurl in build/ (or $KAURL_BUILD_DIR).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KAURL_BUILD_DIR:-$root/build}

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKAURL_WARNINGS_AS_ERRORS=ON "$@"
cmake --build "$build" -j "$(nproc)"

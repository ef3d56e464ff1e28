#!/usr/bin/env bash
# SPDX-License-Identifier: BSL-1.0
# Sets up, builds and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" -DKAURL_BUILD_DOCS=ON
ctest --test-dir "${KAURL_BUILD_DIR:-$root/build}" --output-on-failure -j "$(nproc)"
"$root/scripts/web.sh"
"$root/scripts/libcxx.sh"
"$root/scripts/windows.sh"
"$root/scripts/arm64.sh"
"$root/scripts/sanitizers.sh"
"$root/scripts/fuzz.sh" 45
"$root/scripts/packaging.sh"

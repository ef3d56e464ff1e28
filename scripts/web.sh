#!/usr/bin/env bash
# SPDX-License-Identifier: BSL-1.0
# The playground leg: builds the library as WebAssembly with the page (preset
# "wasm") in <build dir>-wasm, and checks it with CTest there: the
# differential check against the native tool and driver of <build dir>
# (built here if they are not yet), and the browser test in Chromium, whose
# npm packages go to <build dir>-wasm/npm. The page is then in
# <build dir>-wasm/web/page/index.html.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KAURL_BUILD_DIR:-$root/build}
wasm=$build-wasm
cd "$root"

for program in node npm; do
    if ! command -v "$program" > /dev/null; then
        echo "web leg: needs $program (Node.js 18 or later)" >&2
        exit 1
    fi
done
# Debian's Emscripten finds its JavaScript modules there when node is not
# Debian's own.
export NODE_PATH=/usr/share/nodejs

log() {
    local name=$1
    shift
    if ! "$@" > "$wasm/$name.log" 2>&1; then
        cat "$wasm/$name.log" >&2
        echo "web leg: '$*' failed; log in $wasm/$name.log" >&2
        exit 1
    fi
}

mkdir -p "$wasm/npm"
[[ -f $build/CMakeCache.txt ]] || log native-configure cmake -S "$root" --preset dev -B "$build"
log native-build cmake --build "$build" -j "$(nproc)" --target kaurl_tool kaurl_web_driver
log configure cmake --preset wasm -B "$wasm" -DKAURL_NATIVE_BUILD_DIR="$build"
log build cmake --build "$wasm" -j "$(nproc)"
cp web/test/package.json web/test/package-lock.json "$wasm/npm/"
log npm npm ci --prefix "$wasm/npm" --no-audit --no-fund
log ctest ctest --test-dir "$wasm" --output-on-failure
module=$wasm/web/page/kaurl.js
echo "web leg: $(grep -Eo '[0-9]+ tests failed out of [0-9]+' "$wasm/ctest.log" | grep -Eo '[0-9]+$') tests passed" \
    "in $SECONDS s; module $(stat -c %s "$module") bytes ($(gzip -9 -c "$module" | wc -c) gzipped);" \
    "page: $wasm/web/page/index.html"

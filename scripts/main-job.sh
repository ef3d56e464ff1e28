#!/usr/bin/env bash
# SPDX-License-Identifier: BSL-1.0
# Sets up and builds the library and the kaurl tool only (preset "main": no
# tests, benchmarks or documentation), and shows the tool at work on the
# shipped examples. scripts/test.sh builds the rest in the same directory.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KAURL_BUILD_DIR:-$root/build}
"$root/scripts/install-deps.sh" main
cmake -S "$root" --preset main -B "$build" > /dev/null
cmake --build "$build" -j "$(nproc)" > /dev/null
kaurl=$build/tools/kaurl

echo "== kaurl parse --as auto < examples/uris.txt"
"$kaurl" parse --as auto < "$root/examples/uris.txt"
echo
echo "== kaurl compose media wendelgrid /media/stories/123/ABA00.mxf"
"$kaurl" compose media wendelgrid /media/stories/123/ABA00.mxf
echo
echo "== kaurl substitute 'kamedia://wendelgrid\\media\\stories\\123\\ABA00.mxf' /Volumes/Grid/"
"$kaurl" substitute 'kamedia://wendelgrid\media\stories\123\ABA00.mxf' /Volumes/Grid/
echo
echo "== kaurl substitute 'kamedia://wendelgrid/media/..%2F..%2Fetc%2Fpasswd' /Volumes/Grid/"
"$kaurl" substitute 'kamedia://wendelgrid/media/..%2F..%2Fetc%2Fpasswd' /Volumes/Grid/ ||
    echo "(refused with exit status $?)"
echo
echo "== kaurl selftest"
"$kaurl" selftest

#!/usr/bin/env bash
# SPDX-License-Identifier: BSL-1.0
# Sets up, builds, and shows the kaurl tool at work on the shipped examples.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" > /dev/null
kaurl="${KAURL_BUILD_DIR:-$root/build}/tools/kaurl"

echo "== kaurl parse --as auto < examples/uris.txt"
"$kaurl" parse --as auto < "$root/examples/uris.txt"
echo
echo "== kaurl compose media wendelgrid /media/stories/123/ABA00.mxf"
"$kaurl" compose media wendelgrid /media/stories/123/ABA00.mxf
echo
echo "== kaurl substitute 'kamedia://wendelgrid\\media\\stories\\123\\ABA00.mxf' /Volumes/Grid/"
"$kaurl" substitute 'kamedia://wendelgrid\media\stories\123\ABA00.mxf' /Volumes/Grid/
echo
echo "== kaurl selftest"
"$kaurl" selftest

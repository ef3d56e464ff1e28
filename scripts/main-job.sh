#!/usr/bin/env bash
# Sets up, builds, and shows the kaurl tool at work on the shipped examples.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" > /dev/null
kaurl="${KAURL_BUILD_DIR:-$root/build}/tools/kaurl"

"$kaurl" parse < "$root/examples/uris.txt"

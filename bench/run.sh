#!/usr/bin/env bash
# SPDX-License-Identifier: BSL-1.0
# Runs every benchmark with repetitions and prints the table of medians with
# each one's time per item relative to the yardsticks of the same run. The
# repetitions of all benchmarks are interleaved in random order, so that a
# slow stretch of a shared machine falls on every benchmark alike instead of
# on all repetitions of one.
# Usage: bench/run.sh [repetitions] [extra benchmark flags...]
# Builds the benchmark in build/ (or $KAURL_BUILD_DIR) first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KAURL_BUILD_DIR:-$root/build}
repetitions=${1:-5}
shift || true

if [[ ! -f $build/CMakeCache.txt ]]; then
    "$root/scripts/build.sh" > /dev/null
fi
cmake --build "$build" --target kaurl_bench -j 2 > /dev/null

json=$(mktemp --suffix=.json)
trap 'rm -f "$json"' EXIT
"$build/bench/kaurl_bench" --benchmark_repetitions="$repetitions" \
    --benchmark_enable_random_interleaving=true \
    --benchmark_report_aggregates_only=true \
    --benchmark_out="$json" --benchmark_out_format=json "$@" > /dev/null
python3 "$root/bench/table.py" "$json"

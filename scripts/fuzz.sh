#!/usr/bin/env bash
# SPDX-License-Identifier: BSL-1.0
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UBSan) and
# runs each in turn for SECONDS (default 45). Fails on the first finding; the
# input that caused it is left in build-fuzz/findings/.
#
#   scripts/fuzz.sh          # 45 s per target
#   scripts/fuzz.sh 3600     # an hour per target
#
# Inputs that reach new code are kept in build-fuzz/corpus-<target>/ and reused
# by the next run; the seeds in fuzz/corpus/ are only read. To add a finding
# or a good new input to the seeds, copy it into fuzz/corpus/<target>/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-45}
build=$root/build-fuzz

cd "$root"
cmake --preset fuzz > /dev/null
cmake --build --preset fuzz

mkdir -p "$build/findings"
for corpus in decomposition scheme-classes media-composition relations; do
    target=kaurl_fuzz_${corpus//-/_}
    work=$build/corpus-$corpus
    mkdir -p "$work"
    echo "== $target: ${seconds} s"
    log=$build/fuzz-$corpus.log
    status=0
    "$build/fuzz/$target" -max_total_time="$seconds" -timeout=25 -print_final_stats=1 \
        -artifact_prefix="$build/findings/$corpus-" "$work" "$root/fuzz/corpus/$corpus" \
        > "$log" 2>&1 || status=$?
    grep -E $'^#[0-9]+\tDONE|^stat::number_of_executed_units|^==[0-9]+==|property broken|^SUMMARY' "$log" || true
    if ((status != 0)); then
        tail -n 40 "$log" >&2
        echo "$target found a problem (exit $status); see $build/findings/" >&2
        exit "$status"
    fi
done

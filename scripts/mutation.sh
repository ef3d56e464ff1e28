#!/usr/bin/env bash
# SPDX-License-Identifier: BSL-1.0
# Mutation testing: plants one fault at a time in the library's sources (src/),
# rebuilds, runs the tests and counts the faults they catch. Too slow for CI.
#
#   scripts/mutation.sh SEED COUNT             # COUNT mutants that compile, drawn with SEED
#   scripts/mutation.sh SEED COUNT FILE...     # the same, drawn from these files of src/ only
#
# The faults (scripts/lib/mutants.py): comparison flipped, boundary moved by
# one, condition negated, statement removed, constant changed; only in files
# this platform compiles. Each mutant is built incrementally (Ninja, Debug) in
# build-mutation/ (or $KAURL_MUTATION_BUILD_DIR) and tested with every test
# but packaging and docs, stopping at the first failure; tests that took more
# than a second without a fault run last, so that most mutants cost seconds.
# The file is restored after each mutant, on Ctrl-C too; after a hard kill the
# next run restores it first. Prints a line per mutant, the survivors and the
# score; the logs of the last mutant are left in the build directory.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KAURL_MUTATION_BUILD_DIR:-$root/build-mutation}
if [[ $# -lt 2 || ! $1 =~ ^[0-9]+$ || ! $2 =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: scripts/mutation.sh SEED COUNT [FILE...]" >&2
    exit 2
fi
seed=$1
count=$2
only=("${@:3}")
not_run='^(packaging|docs)\.'
# A mutant that loops while allocating stops at this much memory, one that
# loops without allocating at the test timeout.
memory_kib=$((4 << 20))
saved=$build/mutation-original
mkdir -p "$build"

# The original of the file under mutation is kept in $saved (its path in
# $saved.path) until it is back in place.
restore() {
    if [[ -f $saved.path ]]; then
        cp "$saved" "$root/$(cat "$saved.path")"
        rm -f "$saved.path"
    fi
}
restore
trap restore EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# A mutant that only draws a warning (a variable left unused) still counts as
# compiled. Executables are not relinked when only a shared library changed,
# and gold links faster than the default linker: each mutant relinks a dozen.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKAURL_WARNINGS_AS_ERRORS=OFF \
    -DKAURL_BUILD_DOCS=OFF -DKAURL_BUILD_BENCHMARKS=OFF -DKAURL_INSTALL=OFF \
    -DCMAKE_EXPORT_COMPILE_COMMANDS=ON -DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST \
    -DCMAKE_LINK_DEPENDS_NO_SHARED=ON -DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=gold \
    -DCMAKE_SHARED_LINKER_FLAGS=-fuse-ld=gold -DCMAKE_MODULE_LINKER_FLAGS=-fuse-ld=gold \
    > "$build/mutation-configure.log"
cmake --build "$build" > "$build/mutation-build.log" ||
    { echo "The build fails without a fault: see $build/mutation-build.log" >&2; exit 1; }

# run_tests <regex of tests> <timeout>: true when every test passes.
run_tests() {
    (
        ulimit -v "$memory_kib"
        ctest --test-dir "$build" -j 2 --stop-on-failure --timeout "$2" -E "$not_run" -R "$1"
    ) >> "$build/mutation-test.log" 2>&1
}

# Every test once without a fault: all must pass, and their times split them
# into the quick ones and the slow ones, and set each group's timeout.
(ulimit -v "$memory_kib" && ctest --test-dir "$build" -j 2 -E "$not_run") > "$build/mutation-test.log" ||
    { echo "The tests fail without a fault: see $build/mutation-test.log" >&2; exit 1; }
read -r quick slow quick_timeout slow_timeout < <(python3 - "$build/mutation-test.log" <<'EOF'
import math, re, sys
times = {name: float(time) for name, time in
         re.findall(r"Test +#\d+: (\S+) \.+ +Passed +([\d.]+) sec", open(sys.argv[1]).read())}
slow = [name for name, time in times.items() if time > 1]
escape = lambda name: re.sub(r"([][^$.|?*+(){}\\])", r"\\\1", name)
pattern = lambda names: "^(" + "|".join(map(escape, names)) + ")$" if names else "^$"
timeout = lambda names: max(10, math.ceil(3 * max([times[name] for name in names] or [0])))
quick = [name for name in times if name not in slow]
print(pattern(quick), pattern(slow), timeout(quick), timeout(slow))
EOF
)

# The library's sources that this platform compiles, and the headers in src/
# that they include.
mapfile -t files < <(cd "$root" && python3 - "$build" <<'EOF'
import json, os, subprocess, sys
build = sys.argv[1]
src = os.path.join(os.getcwd(), "src") + os.sep
files = {entry["file"] for entry in json.load(open(os.path.join(build, "compile_commands.json")))}
deps = subprocess.run(["ninja", "-C", build, "-t", "deps"], capture_output=True, text=True).stdout
files |= {os.path.normpath(os.path.join(build, line.strip())) for line in deps.splitlines()
          if line.startswith("    ")}
print("\n".join(sorted(os.path.relpath(f, os.getcwd()) for f in files if f.startswith(src))))
EOF
)
if ((${#only[@]} > 0)); then
    mapfile -t files < <(printf '%s\n' "${files[@]}" | grep -Fx -f <(printf '%s\n' "${only[@]}"))
fi
mapfile -t mutants < <(cd "$root" && python3 scripts/lib/mutants.py list "$seed" "${files[@]}")

killed=0 survived=0 uncompiled=0 tried=0
survivors=()
started=$SECONDS
# try <file> <offset> <length> <replacement> <line> <change>
try() {
    local file=$1 verdict
    cp "$root/$file" "$saved"
    echo "$file" > "$saved.path"
    (cd "$root" && python3 scripts/lib/mutants.py plant "$file" "$2" "$3" "$4")
    tried=$((tried + 1))
    : > "$build/mutation-test.log"
    if ! cmake --build "$build" > "$build/mutation-build.log" 2>&1; then
        uncompiled=$((uncompiled + 1))
        verdict="did not compile"
    elif run_tests "$quick" "$quick_timeout" && run_tests "$slow" "$slow_timeout"; then
        survived=$((survived + 1))
        survivors+=("$file:$5  $6")
        verdict="SURVIVED"
    else
        killed=$((killed + 1))
        verdict=$(grep -Eo -m 1 'Test +#[0-9]+: [^ ]+ \.+ *(\*|Sub|Exc|Child)' \
            "$build/mutation-test.log" | sed -E 's/.*: ([^ ]+) .*/killed by \1/' || true)
        verdict=${verdict:-killed (no test could start)}
    fi
    restore
    printf '%3d  %-40s %s  %s\n' "$((killed + survived))" "$file:$5" "$6" "$verdict"
}

# The sample is the shortest run of the shuffled mutants that holds COUNT
# compiling ones; it is taken in rounds, each sorted by file, so that a file
# is rebuilt twice only where the round moves on to the next file.
next=0
while ((killed + survived < count && next < ${#mutants[@]})); do
    round=$((count - killed - survived))
    while IFS=$'\x1f' read -r -u 3 file offset length replacement line change; do
        try "$file" "$offset" "$length" "$replacement" "$line" "$change"
    done 3< <(printf '%s\n' "${mutants[@]:next:round}" | sort -s -t $'\x1f' -k 1,1)
    next=$((next + round))
done

compiled=$((killed + survived))
echo
echo "seed $seed: $compiled compiled mutants: $killed killed, $survived survived" \
    "($((compiled ? 100 * killed / compiled : 0)) %); $uncompiled did not compile;" \
    "$(((SECONDS - started) / (tried ? tried : 1))) s a mutant"
if ((survived)); then
    echo "survivors:"
    printf '  %s\n' "${survivors[@]}"
fi

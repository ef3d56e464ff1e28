#!/usr/bin/env bash
# SPDX-License-Identifier: BSL-1.0
# Builds kaurl's Debian packages with CPack, checks them with lintian, installs
# them, builds the example consumer against them (CMake package and
# pkg-config), runs it, tries the tool with its manual page and completion,
# and removes the packages again. Packages in ${KAURL_BUILD_DIR:-build}-deb.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KAURL_BUILD_DIR:-$root/build}-deb
sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
apt_get() { DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=300 -y -qq "$@"; }

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DKAURL_BUILD_TESTS=OFF -DKAURL_BUILD_BENCHMARKS=OFF -DKAURL_BUILD_DOCS=ON \
    -DKAURL_WARNINGS_AS_ERRORS=ON > /dev/null
cmake --build "$build" -j "$(nproc)"
rm -f "$build"/*.deb
(cd "$build" && cpack -G DEB)

debs=("$build"/*.deb)

# Debian's package checker finds no error and no warning; as root it runs as
# nobody, since it complains about root.
lint=(lintian --fail-on "error,warning")
[[ $(id -u) -eq 0 ]] && lint=(runuser -u nobody -- "${lint[@]}")
if ! "${lint[@]}" "${debs[@]}"; then
    echo "packaging.sh: lintian found problems in the packages" >&2
    exit 1
fi
names=()
for deb in "${debs[@]}"; do
    names+=("$(dpkg-deb -f "$deb" Package)")
done
# Removing the packages afterwards must not take away a copy installed before.
for name in "${names[@]}"; do
    if dpkg-query -W -f='${Status}' "$name" 2>/dev/null | grep -q "install ok installed"; then
        echo "packaging.sh: $name is already installed; remove it first" >&2
        exit 1
    fi
done

work=$(mktemp -d)
cleanup() {
    apt_get purge "${names[@]}" > /dev/null
    rm -rf "$work"
}
trap cleanup EXIT
apt_get install "${debs[@]}" > /dev/null

# The consumer must find the packaged files, not anything in the source tree.
# Without an argument it decomposes its sample media URI.
cp -r "$root/examples/consumer" "$work/source"
expected=$(cat "$root/examples/consumer/expected-output.txt")
check() {
    local output
    output=$("$@")
    if [[ $output != "$expected" ]]; then
        printf 'packaging.sh: %s printed\n%s\nexpected\n%s\n' "$1" "$output" "$expected" >&2
        exit 1
    fi
}

cmake -S "$work/source" -B "$work/cmake" > /dev/null
if ! grep -qx 'kaurl_DIR:PATH=/usr/lib/.*/cmake/kaurl' "$work/cmake/CMakeCache.txt"; then
    echo "packaging.sh: find_package did not use the packaged kaurl" >&2
    exit 1
fi
cmake --build "$work/cmake" > /dev/null
check "$work/cmake/kaurl_consumer"

# shellcheck disable=SC2046 # the flags are meant to split into words
c++ -std=c++17 "$work/source/main.cpp" $(pkg-config --cflags --libs kaurl) -o "$work/pkg-config"
check "$work/pkg-config"

# The packaged tool runs the library's own test suite through the packaged library.
/usr/bin/kaurl selftest > /dev/null
echo "kamedia://wendelgrid/media/stories/123/ABA00.mxf" | /usr/bin/kaurl parse > /dev/null

# man finds the manual page, bash the completion, a browser the API reference.
page=$(MANPAGER="cat" man kaurl 2> /dev/null)
if [[ $page != *"kaurl substitute"* ]]; then
    echo "packaging.sh: man kaurl does not show the manual page" >&2
    exit 1
fi
completion=$(bash -c 'source /usr/share/bash-completion/completions/kaurl
    COMP_WORDS=(kaurl parse --as ka) COMP_CWORD=3
    _kaurl && echo "${COMPREPLY[*]}"')
if [[ $completion != "kamedia kasynthetic" ]]; then
    echo "packaging.sh: the installed completion of 'kaurl parse --as ka' gave '$completion'" >&2
    exit 1
fi
if [[ ! -f /usr/share/doc/libkaurl-dev/html/index.html ]]; then
    echo "packaging.sh: the API reference is not installed" >&2
    exit 1
fi
echo "packaging.sh: installed, used and removed ${names[*]}"

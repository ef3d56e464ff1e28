#!/usr/bin/env bash
# SPDX-License-Identifier: BSL-1.0
# Completes command lines with the bash completion of kaurl and compares the
# candidates. Besides the rows below, every command and every long option
# that --help of the tool names must be offered.
#   CompletionTest.sh KAURL COMPLETION-SCRIPT
set -euo pipefail
source "$(dirname "$0")/ToolHelp.sh"
kaurl=$1
# shellcheck source=../../tools/completion/kaurl.bash
source "$2"

# The candidates for the last word of LINE, split into words as bash splits
# a command line for completion: LINE writes the ":" and "=" that bash splits
# off as words of their own.
complete_line() {
    local -a COMP_WORDS COMPREPLY
    read -ra COMP_WORDS <<< "$1"
    [[ $1 == *" " ]] && COMP_WORDS+=("")
    local COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    _kaurl
    echo "${COMPREPLY[*]}"
}

failed=0
fail() {
    echo "$@"
    failed=1
}
expect() {
    local got
    got=$(complete_line "$1")
    [[ $got == "$2" ]] || fail "completing \"$1\" gave \"$got\", expected \"$2\""
}

mount=$(mktemp -d)
trap 'rm -rf "$mount"' EXIT
mkdir "$mount/volume"

expect "kaurl s" "substitute selftest"
expect "kaurl parse --as " "uri kamedia kasynthetic file http auto"
expect "kaurl parse --as ka" "kamedia kasynthetic"
expect "kaurl parse --as = h" "http"
expect "kaurl parse --as = file --j" "--json"
expect "kaurl parse kamedia : //grid/a.mxf " ""
expect "kaurl compose s" "synthetic"
expect "kaurl substitute --separator " "/ \\\\"
expect "kaurl substitute --separator / kamedia : //grid/a.mxf $mount/vo" "$mount/volume"
expect "kaurl substitute -" "- --separator --allow-unsafe --help"
expect "kaurl substitute - $mount/vo" "$mount/volume"
expect "kaurl substitute kamedia : //grid/a.mxf -" "--separator --allow-unsafe --help"

while read -ra command; do
    if ((${#command[@]})); then
        parent=("${command[@]:0:${#command[@]}-1}")
        offered=" $(complete_line "kaurl ${parent[*]}${parent[*]:+ }") "
        [[ $offered == *" ${command[-1]} "* ]] ||
            fail "completing \"kaurl ${parent[*]}\" does not offer ${command[-1]}"
    fi
    offered=" $(complete_line "kaurl ${command[*]}${command[*]:+ }--") "
    for option in $(help_options "$kaurl" "${command[@]}"); do
        [[ $option == --* && $offered != *" $option "* ]] &&
            fail "completing \"kaurl ${command[*]} --\" does not offer $option"
    done
done < <(help_commands "$kaurl")
exit "$failed"

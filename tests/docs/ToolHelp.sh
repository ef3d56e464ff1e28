# SPDX-License-Identifier: BSL-1.0
# shellcheck shell=bash
# Sourced by the documentation tests: walks the --help of the kaurl tool.

# help_commands KAURL [COMMAND...]: prints every command path below the given
# one (the given one first, "" for kaurl itself), one per line, as --help
# lists them under "Subcommands:".
help_commands() {
    local kaurl=$1
    shift
    local command
    echo "$*"
    "$kaurl" "$@" --help | sed -n '/^Subcommands:/,/^$/s/^  \([a-z][a-z-]*\) .*/\1/p' |
        while read -r command; do
            help_commands "$kaurl" "$@" "$command"
        done
}

# help_options KAURL [COMMAND...]: prints the options that --help of the
# command lists under "Options:", one per line: "-h", "--help", "--as", ...
help_options() {
    local kaurl=$1
    shift
    "$kaurl" "$@" --help | sed -n '/^Options:/,/^$/s/^  \(-[^ ]*\).*/\1/p' |
        tr ',' '\n' | sed 's/=.*//'
}

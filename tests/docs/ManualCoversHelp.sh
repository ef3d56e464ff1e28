#!/usr/bin/env bash
# SPDX-License-Identifier: BSL-1.0
# Fails when the manual page lacks a command or an option that --help of the
# tool names, so that the two cannot drift apart.
#   ManualCoversHelp.sh KAURL PAGE
set -euo pipefail
source "$(dirname "$0")/ToolHelp.sh"
kaurl=$1
text=$(groff -man -Tascii -P-cbou "$2")

missing=0
while read -ra command; do
    if ((${#command[@]})) && ! grep -qF "kaurl ${command[*]}" <<< "$text"; then
        echo "the manual page lacks the command kaurl ${command[*]}"
        missing=1
    fi
    for option in $(help_options "$kaurl" "${command[@]}"); do
        if ! grep -qwF -e "$option" <<< "$text"; then
            echo "the manual page lacks the option $option of kaurl ${command[*]}"
            missing=1
        fi
    done
done < <(help_commands "$kaurl")
exit "$missing"

# SPDX-License-Identifier: BSL-1.0
# bash completion for kaurl: commands, options, the classes of "parse --as",
# the separators of "substitute --separator", "-" (standard input) for the
# URI of "substitute", and directories for its mount path.

_kaurl() {
    local cur=${COMP_WORDS[COMP_CWORD]}
    local prev=${COMP_WORDS[COMP_CWORD - 1]}
    local classes="uri kamedia kasynthetic file http auto"

    # "--as=ka" arrives as the words "--as", "=" and "ka".
    if [[ $cur == "=" && $prev == --as ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$classes")
        return
    fi
    if [[ $prev == "=" && ${COMP_WORDS[COMP_CWORD - 2]} == --as ]] || [[ $prev == --as ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$classes" -- "$cur")
        return
    fi
    if [[ $prev == --separator ]]; then
        # Offered as \\, which the shell reads as one backslash.
        mapfile -t COMPREPLY < <(compgen -W '/ \\\\' -- "$cur")
        return
    fi

    # The command so far, and how many operands it has been given.
    local command="" operands=0 word i
    for ((i = 1; i < COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]}
        # bash splits "kamedia://g" and "--as=uri" at ":" and "=": the pieces
        # belong to the word before them.
        [[ $word == [:=] || ${COMP_WORDS[i - 1]} == [:=] ]] && continue
        case $command/$word in
            /parse | /compose | /substitute | /resolve | /normalize | /relative | /selftest)
                command=$word
                ;;
            compose/media | compose/synthetic) command="$command $word" ;;
            */--as | */--separator) [[ ${COMP_WORDS[i + 1]} == = ]] || ((i++)) ;;
            */-) ((operands++)) ;;
            */-*) ;;
            *) ((operands++)) ;;
        esac
    done

    local options words=""
    case $command in
        "") options="--help --version" words="parse compose substitute resolve normalize relative selftest" ;;
        parse) options="--as --json --check --create --help" ;;
        compose) options="--help" words="media synthetic" ;;
        substitute)
            options="--separator --allow-unsafe --help"
            # "-" reads the URIs from standard input; offered once a "-" is typed.
            ((operands == 0)) && options="- $options"
            ;;
        resolve) options="--non-strict --json --help" ;;
        normalize) options="--syntax-only --json --help" ;;
        relative) options="--json --help" ;;
        *) options="--help" ;;
    esac

    if [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
    elif [[ $command == substitute && $operands -eq 1 ]]; then
        compopt -o filenames 2> /dev/null
        mapfile -t COMPREPLY < <(compgen -d -- "$cur")
    else
        mapfile -t COMPREPLY < <(compgen -W "$words" -- "$cur")
    fi
}
complete -F _kaurl kaurl

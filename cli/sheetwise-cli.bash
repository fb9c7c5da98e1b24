# bash completion for sheetwise-cli: its commands, each command's options (--wait goes with
# every command), and the values and files they take. Installed as /usr/share/bash-completion/completions/sheetwise-cli.

_sheetwise_cli_options() {
    case "$1" in
        show) echo "--json --compact" ;;
        check) echo "--json --compact --max --fail-on" ;;
        import) echo "--json --compact --out --base --force" ;;
        convert) echo "--out --drop-bad-lines --force" ;;
        export) echo "--json --compact --format --raw-csv" ;;
        diff) echo "--json --compact --bytes --stat --quiet" ;;
        add) echo "--size --weight --colour --type --sides --precollated $_sheetwise_cli_edit" ;;
        modify) echo "--size --weight --colour --type --sides --precollated --no-precollated" \
                     "$_sheetwise_cli_edit" ;;
        move) echo "--up --down --to $_sheetwise_cli_edit" ;;
        rename | delete | set-default | add-value | delete-value | apply)
            echo "$_sheetwise_cli_edit" ;;
    esac
}

_sheetwise_cli_edit="--dry-run --out --force --drop-bad-lines --json --compact"
_sheetwise_cli_commands="show check import convert export diff add modify rename delete move
set-default add-value delete-value apply help"

_sheetwise_cli() {
    local cur=${COMP_WORDS[COMP_CWORD]}
    local prev=${COMP_WORDS[COMP_CWORD - 1]}
    COMPREPLY=()

    # The option before the word takes it as its value.
    case "$prev" in
        --format | -f)
            mapfile -t COMPREPLY < <(compgen -W "csv json" -- "$cur")
            return ;;
        --sides)
            mapfile -t COMPREPLY < <(compgen -W "0 1 2" -- "$cur")
            return ;;
        --fail-on)
            mapfile -t COMPREPLY < <(compgen -W "error warning note" -- "$cur")
            return ;;
        --max | --to | --size | --weight | --colour | --type | --wait)
            return ;;
        --out | -o | --base | -b)
            compopt -o filenames 2>/dev/null
            mapfile -t COMPREPLY < <(compgen -f -- "$cur")
            return ;;
    esac

    # The command, and the arguments that come after it and are not options.
    local command="" operands=0 word i
    for ((i = 1; i < COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]}
        case "$word" in
            --format | -f | --sides | --weight | --max | --to | --size | --colour | --type | \
            --out | -o | --base | -b | --wait | --fail-on) ((i++)) ;;
            -*) ;;
            *) if [[ -z $command ]]; then command=$word; else ((operands++)); fi ;;
        esac
    done

    if [[ -z $command ]]; then
        if [[ $cur == -* ]]; then
            mapfile -t COMPREPLY < <(compgen -W "--help --version --wait" -- "$cur")
        else
            mapfile -t COMPREPLY < <(compgen -W "$_sheetwise_cli_commands" -- "$cur")
        fi
        return
    fi
    if [[ $cur == -* ]]; then
        [[ $command == help ]] && return
        mapfile -t COMPREPLY < <(compgen -W "$(_sheetwise_cli_options "$command") --wait --help" \
            -- "$cur")
        return
    fi
    case "$command" in
        help)
            ((operands == 0)) &&
                mapfile -t COMPREPLY < <(compgen -W "$_sheetwise_cli_commands" -- "$cur")
            return ;;
        add-value | delete-value)
            if ((operands == 0)); then
                mapfile -t COMPREPLY < <(compgen -W "colour type weight" -- "$cur")
                return
            fi ;;
    esac
    compopt -o filenames 2>/dev/null
    mapfile -t COMPREPLY < <(compgen -f -- "$cur")
}

complete -F _sheetwise_cli sheetwise-cli

# bash completion for quelvan-cli: its commands, each command's options, and the files each
# argument expects (.ksl projects, .epw and .wth weather, .csv tables, folders).
# Installed as share/bash-completion/completions/quelvan-cli; tests/packaging/completion_test.sh
# checks it against the program's own --help.

_quelvan_cli_options()
{
    case $1 in
        new) echo "--wall --force" ;;
        check) echo "--fine" ;;
        run) echo "-o --weather-dir --fine --force" ;;
        dynamic) echo "--period --json" ;;
        annual) echo "--weather-dir --standard --json --hourly --force" ;;
        condensation) echo "--weather-dir --climate --interior-rh --humidity-class --vapour-excess
            --interior-temperature --fine --json --force" ;;
        materials) echo "--search --json" ;;
        compare) echo "--force --annual --jobs --shard --json --csv -o --weather-dir" ;;
        sweep) echo "--layer --thickness --material --reverse --azimuth --force --annual --jobs
            --shard --json --csv -o --weather-dir" ;;
        "weather generate") echo "--out --city --normals --force" ;;
        "weather import") echo "-o --out --force" ;;
        render) echo "--wall --profile --flux --size --weather-dir --fine --force" ;;
        report) echo "-o --parts --weather-dir --date --fine --force" ;;
        validate) echo "--weather-dir" ;;
    esac
}

_quelvan_cli()
{
    local cur prev words cword
    _init_completion || return

    # The command ("run", "weather import"): the words after the program that are not options.
    local command="" i
    for ((i = 1; i < cword; i++)); do
        [[ ${words[i]} == -* ]] && continue
        if [[ -z $command ]]; then
            command=${words[i]}
            [[ $command == weather ]] || break
        else
            command+=" ${words[i]}"
            break
        fi
    done

    case $command in
        "" | help)
            if [[ $cur == -* && -z $command ]]; then
                COMPREPLY=($(compgen -W "--help --version" -- "$cur"))
            else
                COMPREPLY=($(compgen -W "new check run dynamic annual condensation materials compare sweep
                    weather render report validate help" -- "$cur"))
            fi
            return
            ;;
        weather)
            COMPREPLY=($(compgen -W "generate import" -- "$cur"))
            return
            ;;
    esac

    # The value of the option just typed.
    case $prev in
        --weather-dir)
            _filedir -d
            return
            ;;
        --hourly | --normals | --climate)
            _filedir csv
            return
            ;;
        --wall)
            # A wall described in JSON for "new", an image for "render".
            if [[ $command == new ]]; then _filedir json; else _filedir png; fi
            return
            ;;
        --profile | --flux)
            _filedir png
            return
            ;;
        --city)
            COMPREPLY=($(compgen -W "Agen Ajaccio Carpentras LaRochelle Limoges Mâcon Millau
                Nancy Rennes Trappes" -- "$cur"))
            return
            ;;
        -o | --out)
            case $command in
                run) _filedir res ;;
                report) _filedir pdf ;;
                "weather import") _filedir wth ;;
                "weather generate") _filedir -d ;;
                *) _filedir ;;
            esac
            return
            ;;
        --period | --jobs | --shard | --layer | --thickness | --material | --azimuth | --size | \
            --parts | --date | --interior-rh | --humidity-class | --vapour-excess | \
            --interior-temperature | --search)
            return
            ;;
    esac

    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$(_quelvan_cli_options "$command") --help" -- "$cur"))
        return
    fi
    case $command in
        "weather import") _filedir epw ;;
        "weather generate" | validate | materials) ;;
        *) _filedir ksl ;;
    esac
} &&
    complete -F _quelvan_cli quelvan-cli

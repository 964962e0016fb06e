# bash completion for stelux-cli: its options, the values of --schema, files
# and folders for the options that take them, and for a designation the kind
# letters of the entry box.
_stelux_cli() {
    local cur prev
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD-1]}
    case $prev in
        --daten)
            COMPREPLY=($(compgen -d -- "$cur"))
            return ;;
        --karte)
            COMPREPLY=($(compgen -f -X '!*.@(png|pdf|PNG|PDF)' -- "$cur") $(compgen -d -- "$cur"))
            return ;;
        --liste)
            COMPREPLY=($(compgen -f -X '!*.@(skylist|csv|txt|SKYLIST|CSV|TXT)' -- "$cur") $(compgen -d -- "$cur"))
            return ;;
        --buch-export)
            COMPREPLY=($(compgen -f -X '!*.@(xml|csv|XML|CSV)' -- "$cur") $(compgen -d -- "$cur"))
            return ;;
        --notieren)
            return ;;
        --schema)
            COMPREPLY=($(compgen -W 'bildschirm druck nacht' -- "$cur"))
            return ;;
        --modell-anpassen)
            COMPREPLY=($(compgen -f -- "$cur") $(compgen -d -- "$cur"))
            return ;;
        --instrument)
            COMPREPLY=($(compgen -W '40 60' -- "$cur"))
            return ;;
        --zeit)
            COMPREPLY=($(compgen -W "$(date -u +%Y-%m-%dT%H:%M:%S)" -- "$cur"))
            return ;;
        --feld | --grenze | --asteroiden-url | --kometen-url)
            return ;;
    esac
    local optionen='--zeit --daten --zehntel --refraktion --zweikoerper --karte --feld
        --schema --help -h --aktualisieren --asteroiden-url --kometen-url --erzwingen
        --beobachtbar --grenze --modell-anpassen --instrument --liste --notieren --buch-export'
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$optionen" -- "$cur"))
    elif [[ -z $cur ]]; then
        # M Messier, N NGC, I IC, S SAO, H Hipparcos, P Sun/Moon/planets,
        # A asteroids, K comets, V variables, F photometric standards,
        # G geostationary satellites, E own objects.
        COMPREPLY=(M N I S H P A K V F G E)
        compopt -o nospace 2>/dev/null
    elif [[ $cur == P* ]]; then
        COMPREPLY=($(compgen -W 'PSonne PMond PMerkur PVenus PMars PJupiter PSaturn PUranus PNeptun' -- "$cur"))
    fi
}
complete -F _stelux_cli -o filenames stelux-cli

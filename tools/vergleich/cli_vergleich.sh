#!/bin/bash
# Runs two builds of stelux-cli over the same entries at fixed instants and
# compares standard output, error output and exit code byte for byte.
#   cli_vergleich.sh ALT NEU [KATALOGORDNER]
# The catalogue folder (default ~/.local/share/stelux/katalog) is the working
# directory and the data folder; bezeichnungen.txt beside this script holds the
# entries. Exit 0 when every run is identical, 1 with the differences listed.
set -u
alt=$(realpath "$1") neu=$(realpath "$2")
katalog=${3:-$HOME/.local/share/stelux/katalog}
liste="$(dirname "$(realpath "$0")")/bezeichnungen.txt"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cd "$katalog" || exit 2
laeufe=0 unterschiede=0
while IFS= read -r bez; do
    for zeit in 2026-10-01T20:00:00 2031-03-15T03:30:00.5; do
        for opt in "" --zehntel --refraktion; do
            for seite in alt neu; do
                prog=$alt
                [ $seite = neu ] && prog=$neu
                TZ=Europe/Berlin "$prog" --zeit "$zeit" --daten "$katalog" $opt "$bez" \
                    >"$tmp/$seite.out" 2>"$tmp/$seite.err"
                echo "rc=$?" >>"$tmp/$seite.out"
                cat "$tmp/$seite.err" >>"$tmp/$seite.out"
            done
            laeufe=$((laeufe + 1))
            if ! cmp -s "$tmp/alt.out" "$tmp/neu.out"; then
                unterschiede=$((unterschiede + 1))
                echo "== '$bez' $zeit $opt"
                diff "$tmp/alt.out" "$tmp/neu.out" | head -20
            fi
        done
    done
done <"$liste"
echo "$laeufe Läufe, $unterschiede mit Unterschieden"
[ $unterschiede -eq 0 ]

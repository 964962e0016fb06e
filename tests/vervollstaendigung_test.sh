#!/usr/bin/env bash
# The bash completion of stelux-cli, driven as bash drives it (COMP_WORDS,
# COMP_CWORD): it offers exactly the options of --help, the kind letters and
# the chart schemes.
#   $1 stelux-cli   $2 the completion file
set -uo pipefail
cli=$1
# shellcheck disable=SC1090
source "$2"
fehler=0
anbieten() { # words...; the last is the one being completed
  COMP_WORDS=("$@")
  COMP_CWORD=$(($# - 1))
  COMPREPLY=()
  _stelux_cli
  printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' '
}
erwarten() { # expected words, then the words typed
  local soll=$1
  shift
  local ist
  ist=$(anbieten "$@")
  if [ "$ist" != "$soll " ]; then
    echo "FEHLER: $* -> '$ist' statt '$soll'" >&2
    fehler=1
  fi
}
erwarten "--zehntel --zeit --zweikoerper" stelux-cli --z
erwarten "--zehntel --zeit" stelux-cli --zeit 2026-03-20T21:00:00 --ze
erwarten "A E F G H I K M N P S V" stelux-cli --zehntel ""
erwarten "PMars PMerkur PMond" stelux-cli PM
erwarten "nacht" stelux-cli --karte k.png --schema n
erwarten "40 60" stelux-cli --modell-anpassen s.txt --instrument ""
# Every option of --help completes, and nothing else does.
hilfe=$("$cli" --help | grep -oE '(^|[][ ,])--?[a-z][a-z-]*' | sed 's/^[][ ,]//' | sort -u | tr '\n' ' ')
[ "$(anbieten stelux-cli - | tr ' ' '\n' | grep . | sort -u | tr '\n' ' ')" = "$hilfe" ] ||
  { echo "FEHLER: Optionen der Vervollständigung '$(anbieten stelux-cli -)' statt '$hilfe'" >&2; fehler=1; }
[ $fehler -eq 0 ] && echo "Vervollständigung geprüft"
exit $fehler

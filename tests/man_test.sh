#!/usr/bin/env bash
# Every option that stelux-cli --help names is described in its man page, and
# both pages format without a warning from man (where man is installed).
#   $1 stelux-cli   $2 folder of the roff pages
set -euo pipefail
cli=$1
ordner=$2
fehler=0
seite=$(sed 's/\\-/-/g' "$ordner/stelux-cli.1")
optionen=$("$cli" --help | grep -oE '(^|[][ ,])--?[a-z][a-z-]*' | sed 's/^[][ ,]//' | sort -u)
[ -n "$optionen" ] || { echo "FEHLER: keine Option in --help gefunden" >&2; exit 1; }
for o in $optionen; do
  if ! grep -qE -- "(^|[^a-z-])$o([^a-z-]|$)" <<<"$seite"; then
    echo "FEHLER: $o fehlt in stelux-cli.1" >&2
    fehler=1
  fi
done
for f in "$ordner"/*.1; do
  # A page of another command only points (.so) to a page beside it.
  ziel=$(sed -n 's|^\.so man1/||p' "$f")
  if [ -n "$ziel" ]; then
    [ -f "$ordner/$ziel" ] || { echo "FEHLER: $f zeigt auf fehlende $ziel" >&2; fehler=1; }
    continue
  fi
  command -v man >/dev/null || continue
  warnungen=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$f" 2>&1 >/dev/null)
  [ -z "$warnungen" ] || { echo "FEHLER: $f: $warnungen" >&2; fehler=1; }
done
[ $fehler -eq 0 ] && echo "$(wc -w <<<"$optionen") Optionen beschrieben"
exit $fehler

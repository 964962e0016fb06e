#!/usr/bin/env bash
# The German and the English manual have the same build: the same sections with
# the same numbers and anchors, the same tables with as many rows, the same lists
# and examples; every link inside each points to an anchor of that manual.
#   $1 German manual   $2 English manual
set -euo pipefail
fehler=0
gerippe() {
  grep -oE '<(h[1-3]|table|tr|ul|ol|li|pre)( id="[^"]*")?>?([0-9]+\.)?' "$1"
}
if ! diff <(gerippe "$1") <(gerippe "$2") >&2; then
  echo "FEHLER: $2 ist anders gegliedert als $1 (< $1, > $2)" >&2
  fehler=1
fi
for f in "$1" "$2"; do
  for ziel in $(grep -oE 'href="#[^"]*"' "$f" | sed 's/^href="#//; s/"$//' | sort -u); do
    grep -q "id=\"$ziel\"" "$f" || { echo "FEHLER: $f verweist auf fehlendes #$ziel" >&2; fehler=1; }
  done
done
[ $fehler -eq 0 ] && echo "$(gerippe "$1" | grep -c '^<h') Abschnitte in beiden Anleitungen"
exit $fehler

#!/usr/bin/env bash
# The desktop entry and the AppStream metainfo pass Debian's validators, every
# screenshot the metainfo names is a file shipped beside it, and each rendered
# icon has the size of its name. Skipped (77) without the validators.
#   $1 tools/desktop
set -euo pipefail
d=$1
for w in desktop-file-validate appstreamcli; do
  command -v $w >/dev/null || { echo "$w fehlt: übersprungen"; exit 77; }
done
fehler=0
desktop-file-validate "$d/io.github.stelux.Stelux.desktop" || fehler=1
appstreamcli validate --no-net "$d/io.github.stelux.Stelux.metainfo.xml" || fehler=1
for bild in $(grep -oE '/bildschirmfotos/[^<]+\.png' "$d/io.github.stelux.Stelux.metainfo.xml"); do
  [ -s "$d$bild" ] || { echo "FEHLER: $d$bild fehlt" >&2; fehler=1; }
done
for png in "$d"/symbole/stelux-*.png; do
  n=${png##*-}; n=${n%.png}
  # Width and height from the PNG header (bytes 16..23, big endian).
  groesse=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')
  [ "$groesse" = "${n}x$n" ] || { echo "FEHLER: $png ist $groesse" >&2; fehler=1; }
done
[ $fehler -eq 0 ] && echo "Desktop-Eintrag, Metainfo und Symbole geprüft"
exit $fehler

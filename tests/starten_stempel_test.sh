#!/usr/bin/env bash
# The launcher's catalogue stamp does not depend on the locale: built once
# under one locale, the catalogues count as current under another whose
# collation orders the builder's files differently ("deepsky_namen.py" before
# or after "deepsky.py"). Skipped (77) without a second locale.
#   $1 tools/desktop/stelux-starten
set -euo pipefail
starten=$1
zweite=$(locale -a 2>/dev/null | grep -iE '^(de_DE|en_US)\.utf-?8$' | head -n 1 || true)
[ -n "$zweite" ] || { echo "keine zweite Locale: übersprungen"; exit 77; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/bauer"
# A builder that only counts its runs and writes every file the launcher checks.
cat >"$tmp/bauer/katalog_bauen.py" <<'PY'
import sys, pathlib
ziel = pathlib.Path(sys.argv[sys.argv.index("--ziel") + 1])
names = """NGC_IC_Messier_Catalogue_Revised SAO_J2000 Hipparcos_J2000 Variable_Stars_AAVSO
Landolt_Faint_Photometric_Standards Geosynchrone_Satelliten Bright_Stars_Proper_Names_SAO
Flamsteed_Bayer_HD_CrossReference Deepsky_Namen Deepsky_Formen Asteroiden Kometen Eigene_Objekte
Eigenbewegungen_HIP""".split()
names += ["2010-2080_Horizons_" + p for p in
          "Sonne Merkur Venus Mars Jupiter Saturn Uranus Neptun".split()]
for n in names:
    (ziel / (n + ".txt")).write_text("x\n")
with open(ziel / "laeufe", "a") as f:
    f.write("1\n")
PY
echo "# a" >"$tmp/bauer/deepsky.py"
echo "# b" >"$tmp/bauer/deepsky_namen.py"
for l in C.UTF-8 "$zweite" C.UTF-8; do
  LC_ALL=$l STELUX_NUR_KATALOG=1 STELUX_KATALOG="$tmp/katalog" STELUX_BAUER="$tmp/bauer/katalog_bauen.py" \
    STELUX_DATEN="$tmp/daten" bash "$starten" 2>/dev/null
done
laeufe=$(wc -l <"$tmp/katalog/laeufe")
[ "$laeufe" -eq 1 ] || { echo "FEHLER: $laeufe Läufe des Katalog-Erzeugers statt 1" >&2; exit 1; }
# A changed builder still rebuilds.
echo "# c" >>"$tmp/bauer/deepsky.py"
LC_ALL=$zweite STELUX_NUR_KATALOG=1 STELUX_KATALOG="$tmp/katalog" \
  STELUX_BAUER="$tmp/bauer/katalog_bauen.py" STELUX_DATEN="$tmp/daten" bash "$starten" 2>/dev/null
[ "$(wc -l <"$tmp/katalog/laeufe")" -eq 2 ] || { echo "FEHLER: kein Neubau nach Änderung" >&2; exit 1; }
echo "Stempel unabhängig von der Locale"

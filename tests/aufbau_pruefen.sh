#!/usr/bin/env bash
# Structure check of the layers: which folder includes which, and that no
# record outside the window names a widget.
#   $1 source folder (src)
set -uo pipefail
src=${1:?Quellordner fehlt}
[ -d "$src" ] || { echo "kein Ordner: $src" >&2; exit 2; }
fehler=0
melden() {
  if [ -n "$2" ]; then
    echo "$1:"
    echo "$2"
    fehler=1
  fi
}
einbindungen() { # folders, pattern of forbidden include targets
  local ordner=$1 ziel=$2
  [ -d "$src/$ordner" ] || return 0
  grep -rnHE "^\s*#\s*include\s*\"($ziel)/" "$src/$ordner" || true
}

# Downward only: shared, time, astro and orbits, catalog, then the parts above
# the catalogues, then the presentation layer; stelux-cli knows no window.
# Of those parts pointing (the tick, instruments, the model) is the lowest:
# the others may use it, and planning may read the log; none uses another.
teile='pointing|teleskop|buch|planung|karte'
oben='bedienung|basis|app|cli|cli_voll'
melden "shared bindet eine höhere Schicht ein" "$(einbindungen shared '[a-z_]*' | grep -v '"shared/')"
melden "time bindet eine höhere Schicht ein" "$(einbindungen time "astro|orbits|catalog|$teile|$oben")"
for o in astro orbits; do
  melden "$o bindet eine höhere Schicht ein" "$(einbindungen $o "catalog|$teile|$oben")"
done
melden "catalog bindet eine höhere Schicht ein" "$(einbindungen catalog "$teile|$oben")"
melden "pointing bindet eine höhere Schicht ein" "$(einbindungen pointing "teleskop|buch|planung|karte|$oben")"
melden "teleskop bindet einen Nachbarteil oder eine höhere Schicht ein" "$(einbindungen teleskop "buch|planung|karte|$oben")"
melden "buch bindet einen Nachbarteil oder eine höhere Schicht ein" "$(einbindungen buch "teleskop|planung|karte|$oben")"
melden "karte bindet einen Nachbarteil oder eine höhere Schicht ein" "$(einbindungen karte "teleskop|buch|planung|$oben")"
melden "planung bindet einen Nachbarteil oder eine höhere Schicht ein" "$(einbindungen planung "teleskop|karte|$oben")"
melden "bedienung bindet ein Frontend ein" "$(einbindungen bedienung 'basis|app|cli|cli_voll')"
melden "basis bindet ein Frontend ein" "$(einbindungen basis 'app|cli|cli_voll')"
melden "cli bindet das Fenster ein" "$(einbindungen cli 'app|cli_voll')"
melden "app bindet die Kommandozeile ein" "$(einbindungen app 'cli|cli_voll')"
melden "cli bindet Qt ein" "$(grep -rnHE '^\s*#\s*include\s*<Q' "$src/cli" || true)"

# Outside the window no header mentions a widget type or a control name as a field.
widget='\bQ(Widget|Label|PushButton|LineEdit|ComboBox|MainWindow|Dialog|StatusBar|Menu|Action|Frame|TableWidget|ListWidget|PlainTextEdit|TextBrowser|CheckBox|SpinBox|DoubleSpinBox|AbstractButton)\b'
feld='\b(Label[0-9_]|Button[0-9_]|Edit_|Panel_|Combo\b|StatusBar[0-9])'
melden "Kopfdateien außerhalb von app nennen ein Steuerelement" \
  "$(find "$src" -name '*.hpp' -not -path "$src/app/*" -print0 | sort -z |
     xargs -0 grep -nHE "$widget|$feld" || true)"
[ $fehler -eq 0 ] && echo "Schichten eingehalten; keine Steuerelemente außerhalb von app"
exit $fehler

#!/usr/bin/env bash
# The Debian package: made with cpack, unpacked into a scratch root (dpkg -x,
# nothing installed on the machine) after lintian, its stelux-cli run against the built
# catalogues and compared with the build tree's, its stelux-kataloge run on a
# copy of the catalogue folder. Skipped (77) without STELUX_KATALOG.
#   $1 build folder   $2 the build tree's stelux-cli
set -euo pipefail
build=$1
cli_baum=$2
katalog=${STELUX_KATALOG:-}
if [ -z "$katalog" ] || [ ! -d "$katalog" ]; then
  echo "STELUX_KATALOG nicht gesetzt: übersprungen"
  exit 77
fi
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# A home and XDG folders of its own: nothing of the user's settings is read.
mkdir -p "$tmp/heim" && chmod 700 "$tmp/heim"
export HOME="$tmp/heim" XDG_CONFIG_HOME="$tmp/heim/cfg" XDG_DATA_HOME="$tmp/heim/data" \
  XDG_CACHE_HOME="$tmp/heim/cache" XDG_RUNTIME_DIR="$tmp/heim" TMPDIR="$tmp"
fehler() { echo "FEHLER: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$tmp/paket" >"$tmp/cpack.log" 2>&1 ||
  { cat "$tmp/cpack.log"; fehler "cpack"; }
deb=$(ls "$tmp"/paket/*.deb)
abh=$(dpkg-deb -f "$deb" Depends)
for p in libqt6widgets6 libqt6network6 liberfa1 zlib1g python3-ephem kstars-data; do
  [[ ",$abh," == *"$p"* ]] || fehler "Abhängigkeit $p fehlt: $abh"
done

# lintian: no error (warnings and notes are listed with their reasons in
# cmake/paket.cmake).
if command -v lintian >/dev/null; then
  lintian --fail-on error --tag-display-limit 0 "$deb" || fehler "lintian"
fi

wurzel=$tmp/wurzel
dpkg -x "$deb" "$wurzel"
for f in bin/stelux bin/stelux-cli bin/stelux-cli-voll bin/stelux-starten bin/stelux-kataloge \
  share/applications/io.github.stelux.Stelux.desktop share/icons/hicolor/scalable/apps/stelux.svg \
  share/metainfo/io.github.stelux.Stelux.metainfo.xml share/icons/hicolor/48x48/apps/stelux.png \
  share/doc/stelux/Stelux_Anleitung.pdf share/doc/stelux/Stelux_Manual.pdf \
  share/stelux/katalog_bauer/katalog_bauen.py \
  share/man/man1/stelux.1.gz share/man/man1/stelux-cli.1.gz \
  share/bash-completion/completions/stelux-cli share/doc/stelux/copyright share/doc/stelux/changelog.gz; do
  [ -e "$wurzel/usr/$f" ] || fehler "$f fehlt im Paket"
done

# The installed stelux-cli answers exactly as the build tree's.
mkdir -p "$tmp/daten"
lauf() {
  (cd "$katalog" && TZ=UTC "$1" --zeit 2026-03-20T21:00:00 --daten "$tmp/daten" "$2") >"$3" ||
    fehler "$1 $2: Exit $?"
}
for name in M31 Jupiter "HIP 32349"; do
  lauf "$wurzel/usr/bin/stelux-cli" "$name" "$tmp/paket.txt"
  lauf "$cli_baum" "$name" "$tmp/baum.txt"
  grep -q $'^Label_Objekt\t.' "$tmp/paket.txt" || fehler "$name nicht gefunden"
  cmp "$tmp/paket.txt" "$tmp/baum.txt" || fehler "$name: installiertes stelux-cli weicht ab"
done

# The installed stelux-cli hands a chart to its installed sibling.
(cd "$katalog" && env -u DISPLAY -u WAYLAND_DISPLAY TZ=UTC "$wurzel/usr/bin/stelux-cli" \
  --zeit 2026-03-20T21:00:00 --daten "$tmp/daten" --karte "$tmp/karte.png" M31 >/dev/null) ||
  fehler "stelux-cli --karte: Exit $?"
[ -s "$tmp/karte.png" ] || fehler "stelux-cli --karte schrieb keine Karte"

# stelux-kataloge finds its installed builder (and rebuilds the copy when the
# folder was made by another builder version).
cp -r "$katalog" "$tmp/katalog"
STELUX_KATALOG=$tmp/katalog "$wurzel/usr/bin/stelux-kataloge" 2>"$tmp/kataloge.log" ||
  { cat "$tmp/kataloge.log"; fehler "stelux-kataloge"; }
if grep -q "nicht gefunden" "$tmp/kataloge.log"; then
  cat "$tmp/kataloge.log"
  fehler "stelux-kataloge ohne Erzeuger"
fi
# The installed window starts in English on a system that is not German (its
# title is the translated one), under a virtual X server of its own; Return
# closes the notices of a first start in an empty home folder.
if command -v xvfb-run >/dev/null && command -v xwininfo >/dev/null &&
  command -v xdotool >/dev/null; then
  # A busy machine may take long to start the window: poll for up to 5 minutes.
  # The program's error output is kept: a start that ends early says why.
  fenster_englisch() {
    (cd "$tmp/katalog" && env LANG=C.UTF-8 LC_ALL=C.UTF-8 xvfb-run -a sh -c '"$1" 2>"$2" & p=$!
      ende=$(($(date +%s) + 300))
      while [ "$(date +%s)" -lt "$ende" ] && kill -0 $p 2>/dev/null; do
        if xwininfo -root -tree | grep -q "Setting aid for the setting circles"; then
          kill $p; exit 0
        fi
        # Every visible window so named (the search ignores case: the hidden
        # 1x1 "STELUX" leader window matches too and takes no key).
        for w in $(xdotool search --onlyvisible --name "^Stelux\$" 2>/dev/null); do
          xdotool key --window "$w" Return 2>/dev/null
        done
        sleep 0.2
      done
      kill $p 2>/dev/null; wait $p; echo "Exit $?" >>"$2"; exit 1' _ "$wurzel/usr/bin/stelux" "$tmp/fenster.err")
  }
  if ! fenster_englisch; then
    # Said, and tried once more: a virtual X server that failed to start
    # under load ends the program at once.
    echo "erster Fensterstart endete vorzeitig:" >&2
    cat "$tmp/fenster.err" >&2
    fenster_englisch || { cat "$tmp/fenster.err" >&2; fehler "Fenster nicht englisch gestartet"; }
  fi
fi
echo "Paket $(basename "$deb") geprüft"

#!/usr/bin/env bash
# Set-up of Stelux on Debian 12: installs what is missing, builds, and then
#   ./einrichten.sh starten   builds the catalogues (once), puts the element
#                             files, the own-objects sample and the manual into
#                             the data folder where the user has none, and
#                             starts the program in the catalogue folder
#   ./einrichten.sh testen    builds the catalogues (once) and runs every test
# The catalogue folder is ~/.local/share/stelux/katalog (STELUX_KATALOG).
set -euo pipefail
cd "$(dirname "$0")"
quelle=$(pwd)

aktion=${1:-}
case "$aktion" in
  starten|testen) ;;
  *) echo "Aufruf: $0 starten|testen" >&2; exit 2 ;;
esac

pakete=(build-essential cmake ninja-build pkg-config qt6-base-dev libgtest-dev libgmock-dev
        liberfa-dev libbenchmark-dev fonts-liberation qt6-translations-l10n qt6-l10n-tools xvfb xauth locales
        xdg-user-dirs python3 python3-ephem python3-astropy python3-erfa python3-numpy python3-scipy
        zlib1g-dev libeigen3-dev libcli11-dev curl
        kstars-data stellarium-data gpredict iraf-noao dpkg-dev
        clang libclang-rt-14-dev
        g++-mingw-w64-x86-64-posix libz-mingw-w64-dev wine64)
# The package's checks: validators of the desktop entry and the metainfo,
# lintian on the .deb, man for the man pages' warnings, xwininfo and xdotool to see
# the installed window start in English, xmllint to validate the OAL export; the
# telescope link's tests talk to a real indiserver, its LX200 driver and simulated telescope.
if [ "$aktion" = testen ]; then
  pakete+=(appstream desktop-file-utils lintian man-db x11-utils xdotool indi-bin libxml2-utils)
fi
fehlend=()
for p in "${pakete[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || fehlend+=("$p")
done
if [ ${#fehlend[@]} -gt 0 ]; then
  echo "Installiere: ${fehlend[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -q "${fehlend[@]}"
fi

# A German locale with a decimal comma, for the tests of the decimal point.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf8$'; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
  $sudo_cmd locale-gen >/dev/null
fi

build=${STELUX_BUILD:-$quelle/build}

# --- Windows (testen only): the core and its unit tests are also cross-built
# with mingw-w64 into $build/windows and run under wine. ERFA's C source comes
# from Debian's source package erfa, fetched once into $build/erfa with apt's
# own client on private lists (the machine's apt set-up stays untouched).
windows=(-DSTELUX_WINDOWS=OFF)

# The source entries for apt, made from the machine's own package sources: every
# "deb" entry of sources.list and sources.list.d/*.list, and every stanza of
# Types "deb" in sources.list.d/*.sources (deb822), as "deb-src". No address
# of its own: the machine's mirror and keys are used as they are.
quellen_aus_apt() {
  local d=/etc/apt
  local listen=() teile=()
  [ -f "$d/sources.list" ] && listen+=("$d/sources.list")
  for f in "$d"/sources.list.d/*.list; do [ -f "$f" ] && listen+=("$f"); done
  for f in "$d"/sources.list.d/*.sources; do [ -f "$f" ] && teile+=("$f"); done
  if [ ${#listen[@]} -gt 0 ]; then
    sed -n 's/^[[:space:]]*deb[[:space:]]\+/deb-src /p' "${listen[@]}"
  fi
  if [ ${#teile[@]} -gt 0 ]; then
    awk '
      function ausgeben(   i, j, u, s, opt) {
        if (typ ~ /(^|[[:space:]])deb([[:space:]]|$)/ && an != "no") {
          opt = schluessel ~ /^\// ? "[signed-by=" schluessel "] " : ""
          nu = split(uris, u, /[[:space:]]+/); ns = split(suites, s, /[[:space:]]+/)
          for (i = 1; i <= nu; i++) for (j = 1; j <= ns; j++)
            if (u[i] != "" && s[j] != "") print "deb-src " opt u[i] " " s[j] " " komp
        }
        typ = uris = suites = komp = schluessel = an = ""
      }
      FNR == 1 { ausgeben() }
      /^[[:space:]]*#/ { next }
      /^[[:space:]]*$/ { ausgeben(); next }
      /^[[:space:]]/ { next }
      { feld = tolower($1); sub(/:$/, "", feld); $1 = ""; sub(/^[[:space:]]+/, "")
        if (feld == "types") typ = $0; else if (feld == "uris") uris = $0
        else if (feld == "suites") suites = $0; else if (feld == "components") komp = $0
        else if (feld == "signed-by") schluessel = $0; else if (feld == "enabled") an = tolower($0) }
      END { ausgeben() }
    ' "${teile[@]}"
  fi
}

if [ "$aktion" = testen ]; then
  erfa=$build/erfa
  if ! ls "$erfa"/erfa-*/src/erfa.h >/dev/null 2>&1; then
    rm -rf "$erfa" && mkdir -p "$erfa"/{listen/partial,ablage/archives/partial}
    quellen_aus_apt >"$erfa/quellen.list"
    apt_privat=(-o Dir::Etc::SourceList="$erfa/quellen.list" -o Dir::Etc::SourceParts=/nonexistent
      -o Dir::State::Lists="$erfa/listen" -o Dir::Cache="$erfa/ablage")
    apt-get -q "${apt_privat[@]}" update >/dev/null
    (cd "$erfa" && apt-get -q "${apt_privat[@]}" source erfa >/dev/null 2>&1)
  fi
  windows=(-DSTELUX_WINDOWS=ON "-DSTELUX_ERFA_QUELLE=$(ls -d "$erfa"/erfa-*/ | head -n 1)")
fi
# --- end Windows

cmake -S "$quelle" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${windows[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)"

# The launcher builds the catalogues when they are missing or the builder has
# changed (it keeps a stamp with the builder's hash), copies the user's files
# without ever overwriting one, and starts the program in the catalogue folder.
export STELUX_KATALOG=${STELUX_KATALOG:-${XDG_DATA_HOME:-$HOME/.local/share}/stelux/katalog}
export STELUX_PROGRAMM=$build/stelux
export STELUX_BAUER=$quelle/tools/catalogs/katalog_bauen.py
export STELUX_ANLEITUNG=$build/Stelux_Anleitung.pdf

case "$aktion" in
  testen)
    STELUX_NUR_KATALOG=1 "$quelle/tools/desktop/stelux-starten"
    ctest --test-dir "$build" --output-on-failure -j "$(nproc)"

    # --- Sanitizer build -------------------------------------------------------
    # A separate clang build with AddressSanitizer and UndefinedBehaviorSanitizer
    # holding only the core: its unit tests, and every fuzz target replaying its
    # committed corpus (fuzz/korpus). Any sanitizer report fails the test run.
    san=${STELUX_SAN_BUILD:-$quelle/build-san}
    cmake -S "$quelle" -B "$san" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_CXX_COMPILER=clang++ -DSTELUX_FUZZ=ON >/dev/null
    cmake --build "$san" -j "$(nproc)"
    ctest --test-dir "$san" --output-on-failure -j "$(nproc)"
    # --- end of the sanitizer build --------------------------------------------
    ;;
  starten)
    exec "$quelle/tools/desktop/stelux-starten"
    ;;
esac

#!/usr/bin/env bash
# Builds the sanitizer build and fuzzes the targets for a given time.
#
#   fuzz/fuzzen.sh SEKUNDEN [ZIEL ...]     (no ZIEL: every target, one after the other)
#   fuzz/fuzzen.sh --liste                 the names of the targets
#
# Each target starts from its corpus fuzz/korpus/<ZIEL> and works in
# build-san/fuzz/arbeit/<ZIEL>; at the end the inputs that raised coverage are
# merged into fuzz/korpus/<ZIEL> (-merge=1, so the corpus stays small). A
# crash, hang, leak or sanitizer report is saved as build-san/fuzz/befunde/<ZIEL>-*
# and the script ends with exit code 1 (with FUZZ_OPTIONEN="-fork=1
# -ignore_crashes=1" a target keeps fuzzing after a finding).
#   STELUX_SAN_BUILD   build folder (build-san)
#   FUZZ_JOBS          targets fuzzed at the same time (1)
#   FUZZ_OPTIONEN      more libFuzzer options, e.g. "-fork=1 -ignore_crashes=1"
set -euo pipefail
hier=$(cd "$(dirname "$0")" && pwd)
quelle=$(dirname "$hier")
san=${STELUX_SAN_BUILD:-$quelle/build-san}
ziele=(ngc sao hip veraenderliche eigene fotometrie geostat helle_sterne flamsteed ephemeriden
       asteroiden kometen packdatum parameter bezeichnung indi)

if [ "${1:-}" = "--liste" ]; then printf '%s\n' "${ziele[@]}"; exit 0; fi
sekunden=${1:-}
if ! [[ "$sekunden" =~ ^[0-9]+$ ]]; then
  echo "Aufruf: $0 SEKUNDEN [ZIEL ...]   (Ziele: ${ziele[*]})" >&2
  exit 2
fi
shift
[ $# -gt 0 ] && ziele=("$@")

cmake -S "$quelle" -B "$san" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DSTELUX_FUZZ=ON >/dev/null
cmake --build "$san" -j 2 --target $(printf 'fuzz_%s ' "${ziele[@]}")

fuzzen() {
  local ziel=$1 programm=$san/fuzz/fuzz_$1
  local korpus=$hier/korpus/$ziel arbeit=$san/fuzz/arbeit/$ziel
  mkdir -p "$korpus" "$arbeit" "$san/fuzz/befunde"
  local rc=0
  # shellcheck disable=SC2086
  nice -n 19 "$programm" -max_total_time="$sekunden" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$san/fuzz/befunde/$ziel-" ${FUZZ_OPTIONEN:-} \
    "$arbeit" "$korpus" >"$san/fuzz/$ziel.log" 2>&1 || rc=$?
  nice -n 19 "$programm" -merge=1 -timeout=10 -rss_limit_mb=2048 "$korpus" "$arbeit" \
    >"$san/fuzz/$ziel.merge.log" 2>&1 || true
  local stand befunde
  stand=$(grep -E '^#[0-9]+' "$san/fuzz/$ziel.log" | tail -n 1 || true)
  befunde=$(find "$san/fuzz/befunde" -name "$ziel-*" | wc -l)
  echo "$ziel: ${stand:-?}  Befunde: $befunde  (Protokoll $san/fuzz/$ziel.log)"
  if [ $rc -ne 0 ] || [ "$befunde" -ne 0 ]; then
    echo "$ziel: BEFUND (Ausgang $rc), siehe $san/fuzz/befunde/" >&2
    return 1
  fi
}

jobs_max=${FUZZ_JOBS:-1}
fehler=0
laufend=()
for ziel in "${ziele[@]}"; do
  fuzzen "$ziel" &
  laufend+=($!)
  if [ ${#laufend[@]} -ge "$jobs_max" ]; then
    wait "${laufend[0]}" || fehler=1
    laufend=("${laufend[@]:1}")
  fi
done
for p in "${laufend[@]}"; do wait "$p" || fehler=1; done
exit $fehler

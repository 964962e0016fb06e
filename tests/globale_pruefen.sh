#!/usr/bin/env bash
# Structure check: no header under the source folder declares a mutable
# global. Namespace scope is column 0 here (namespaces are not indented);
# flagged are `extern` variables that are not const, and variable definitions
# (plain, `static` or `inline`) that are neither const nor constexpr.
#   $1 source folder (src)
set -uo pipefail
src=${1:?Quellordner fehlt}
[ -d "$src" ] || { echo "kein Ordner: $src" >&2; exit 2; }

# Candidates: a declaration at column 0 ending in ';' (a comment may follow).
kandidat='^(extern\s+|static\s+|inline\s+)*[A-Za-z_][\w:<>,\s\*&]*[\s\*&]\w+(\s*\[[^\]]*\])?\s*(=[^=].*|\{.*\})?;\s*(//.*)?$'
# Of these no variables (types, aliases, functions) or none that can change.
keine='^[^:]+:\d+:((using|typedef|template|namespace|class|struct|union|enum|friend|return)\b|extern\s+"C")'
fest='\b(const|constexpr)\b|\('
funde=$(find "$src" -name '*.hpp' -print0 | sort -z | xargs -0 grep -nHP "$kandidat" |
  grep -vP "$keine" | grep -vP "^[^:]+:\d+:[^/]*($fest)")
if [ -n "$funde" ]; then
  echo "Veränderliche globale Variablen in Kopfdateien:"
  echo "$funde"
  exit 1
fi
echo "keine veränderlichen globalen Variablen in $(find "$src" -name '*.hpp' | wc -l) Kopfdateien"

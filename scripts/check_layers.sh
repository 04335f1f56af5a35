#!/usr/bin/env bash
# The layering, checked on every #include "..." of the source tree: a layer
# includes only the layers below it, never one beside or above it, and
# nothing outside tests/ includes tests/. The layers, bottom up:
#   0  linalg io
#   1  curves font
#   2  subdivision
#   3  smoothness
#   4  app lab
#   5  python web
# reference/, tests/, benchmarks/ and fuzz/ stand beside them and may include
# any layer.
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A LAYER=([linalg]=0 [io]=0 [curves]=1 [font]=1 [subdivision]=2 [smoothness]=3
                  [app]=4 [lab]=4 [python]=5 [web]=5)

failures=0
while IFS=: read -r file line text; do
  target=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+)".*/\1/' <<< "$text")
  from=${file%%/*}
  to=${target%%/*}
  if [[ $to == tests && $from != tests ]]; then
    echo "$file:$line: includes $target: only tests/ may include tests/" >&2
    failures=$((failures + 1))
    continue
  fi
  [[ -n ${LAYER[$from]:-} && -n ${LAYER[$to]:-} ]] || continue
  if [[ $from != "$to" && ${LAYER[$to]} -ge ${LAYER[$from]} ]]; then
    echo "$file:$line: $from/ (layer ${LAYER[$from]}) includes $target (layer ${LAYER[$to]})" >&2
    failures=$((failures + 1))
  fi
done < <(git ls-files -co --exclude-standard '*.h' '*.cpp' '*.cc' |
         while read -r f; do [[ -f $f ]] && echo "$f"; done |
         xargs grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' /dev/null)

if ((failures > 0)); then
  echo "check_layers.sh: $failures include(s) against the layering" >&2
  exit 1
fi
echo "check_layers.sh: every include keeps to the layering"

#!/usr/bin/env bash
# Runs every fuzz target of build-fuzz (fuzz_NAME, from fuzz/fuzz_NAME.cpp) for a share of a
# bounded time, from its seeds, then once over the inputs that made it fail before. A crash, a
# sanitizer report or a hang fails.
#
#   fuzz/ejecuta.sh [SECONDS]     (45 by default, shared evenly among the targets)
#
# Per target NAME: seeds in fuzz/corpus/NAME/ (the scenario reader also takes tests/data/*.hrt),
# inputs that failed before in fuzz/regresiones/NAME/. A new failing input is written under
# build-fuzz/fallos/NAME/, never into the sources: once the fault is fixed, copy it by hand to
# fuzz/regresiones/NAME/ with a name that says what it was, so that it runs every time.
set -euo pipefail
shopt -s nullglob
cd "$(dirname "$0")/.."
segundos=${1:-45}
objetivos=(build-fuzz/fuzz/fuzz_*)
[ ${#objetivos[@]} -gt 0 ] || { echo "ejecuta.sh: no hay objetivos en build-fuzz/fuzz: compile el preset fuzz" >&2; exit 2; }
cada=$((segundos / ${#objetivos[@]}))
[ "$cada" -ge 1 ] || cada=1

for objetivo in "${objetivos[@]}"; do
  nombre=${objetivo##*/fuzz_}
  trabajo=$(mktemp -d)
  fallos=build-fuzz/fallos/$nombre
  mkdir -p "$fallos"
  semillas=(fuzz/corpus/"$nombre"/*)
  [ "$nombre" != escenario ] || semillas+=(tests/data/*.hrt)
  [ ${#semillas[@]} -eq 0 ] || cp "${semillas[@]}" "$trabajo"/
  echo "== $nombre: $cada s"
  estado=0
  "$objetivo" -max_total_time="$cada" -timeout=5 -rss_limit_mb=1024 -print_final_stats=1 \
    -artifact_prefix="$fallos/" "$trabajo" >"$trabajo.log" 2>&1 || estado=$?
  tail -n 12 "$trabajo.log"
  rm -rf "$trabajo" "$trabajo.log"
  [ "$estado" -eq 0 ] || { echo "ejecuta.sh: $nombre falló; la entrada quedó en $fallos/" >&2; exit "$estado"; }
  # Inputs that failed before run once each; one that hangs fails like in the run above.
  regresiones=(fuzz/regresiones/"$nombre"/*)
  [ ${#regresiones[@]} -eq 0 ] || "$objetivo" -timeout=5 "${regresiones[@]}"
done

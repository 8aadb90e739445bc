#!/usr/bin/env bash
# Checks that every file under SRC includes only headers of its own folder or of the layers
# below it. The layers, bottom to top:
#
#   numeros < scenario < {greenhouse, weather} < engine < results < ui
#           < {greenhouse/ui, weather/ui, results/ui} < {shell, cli}
#
# Folders in braces are siblings and do not include each other; cli sees the core only (up
# to results), never the windows.
#
#   comprueba_capas.sh [SRC]     (SRC defaults to the repository's src/)
#
# Prints every include that points up or sideways and exits 1; prints one line and exits 0
# when there is none.
set -euo pipefail
src=${1:-"$(dirname "$0")/../src"}
[ -d "$src" ] || { echo "comprueba_capas: no existe la carpeta $src" >&2; exit 2; }

# One awk pass over every file: its layer from its path, each quoted include's layer from the
# include's path; an include of a layer of the same or a higher rank (other than its own) is
# out of order, and cli may use the core only.
find "$src" -type f \( -name '*.h' -o -name '*.cpp' \) -print0 | sort -z | xargs -0 awk -v raiz="$src/" '
function capa(p) {
  if (p ~ /\/ui\//) { sub(/\/ui\/.*/, "/ui", p); return p }
  if (p ~ /\//) { sub(/\/.*/, "", p); return p }
  return ""
}
function rango(c) {
  if (c == "numeros") return 0
  if (c == "scenario") return 1
  if (c == "greenhouse" || c == "weather") return 2
  if (c == "engine") return 3
  if (c == "results") return 4
  if (c == "ui") return 5
  if (c == "greenhouse/ui" || c == "weather/ui" || c == "results/ui") return 6
  if (c == "shell" || c == "cli") return 7
  return -1
}
FNR == 1 {
  relativo = substr(FILENAME, length(raiz) + 1)
  propia = capa(relativo)
  revisados++
  if (rango(propia) < 0) { print relativo ": la carpeta \"" propia "\" no es una capa conocida"; faltas++ }
}
/^[ \t]*#[ \t]*include[ \t]*"/ {
  if (rango(propia) < 0) next
  incluido = $0
  sub(/^[^"]*"/, "", incluido); sub(/".*/, "", incluido)
  otra = capa(incluido)
  if (otra == "" || otra == propia) next
  mal = ""
  if (rango(otra) < 0) mal = "no es una capa conocida"
  else if (propia == "cli" && rango(otra) > rango("results")) mal = "la herramienta de lote solo usa el núcleo (hasta results)"
  else if (rango(otra) >= rango(propia)) mal = "apunta hacia arriba o a una capa hermana"
  if (mal != "") { print relativo " incluye \"" incluido "\": " mal; faltas++ }
}
END {
  if (faltas > 0) { print "comprueba_capas: " faltas " inclusiones fuera de orden"; exit 1 }
  print "comprueba_capas: " revisados " archivos, todas las inclusiones apuntan hacia abajo"
}'

#!/usr/bin/env bash
# The layer check passes on the sources of the build as they are, and on a copy of them catches
# six forms of an include that points up or sideways, each reported by its file:
#   test_capas.sh BUILD
set -euo pipefail
raiz=$(cd "$(dirname "$0")/../.." && pwd)
comprueba="$raiz/scripts/comprueba_capas.sh"
compilacion=$1
"$comprueba" "$compilacion"

copia=$(mktemp -d "${TMPDIR:-/tmp}/hortelia-capas-copia.XXXXXX")
trap 'rm -rf "$copia"' EXIT
cp -r "$raiz/src/." "$copia/"
planta() { printf '%b\n' "$2" >>"$copia/$1"; }

# File checked, header it must be reported to include, what is planted where.
casos=(
  'weather/radiacion.cpp|engine/simula_dia.h'       # angle brackets
  'greenhouse/geometria.cpp|engine/simula_dia.h'    # a path that climbs back out of its folder
  'engine/valores_iniciales.cpp|results/exportacion.h'  # through a macro
  'numeros/conversiones.cpp|scenario/escenario.h'   # inside a .inc file
  'weather/plantada.h|engine/carga_escenario.h'     # plain, upward, in a header no file includes
  'greenhouse/ui/panel_techo.cpp|weather/ui/panel_viento.h'  # plain, sideways
)
planta weather/radiacion.cpp '#include <engine/simula_dia.h>'
planta greenhouse/geometria.cpp '#include "weather/../engine/simula_dia.h"'
planta engine/valores_iniciales.cpp '#define HORTELIA_PLANTADA "results/exportacion.h"\n#include HORTELIA_PLANTADA'
planta numeros/plantada.inc '#include "scenario/escenario.h"'
planta numeros/conversiones.cpp '#include "numeros/plantada.inc"'
planta weather/plantada.h '#pragma once\n#include "engine/carga_escenario.h"'
planta greenhouse/ui/panel_techo.cpp '#include "weather/ui/panel_viento.h"'

archivos=()
for caso in "${casos[@]}"; do archivos+=("${caso%%|*}"); done
if salida=$("$comprueba" "$compilacion" --fuentes "$copia" "${archivos[@]}"); then
  echo "FALLA: la copia con inclusiones plantadas pasó la revisión: $salida"
  exit 1
fi
fallas=0
for caso in "${casos[@]}"; do
  grep -qF "${caso%%|*} incluye \"${caso#*|}\"" <<<"$salida" || { echo "FALLA: no se detectó $caso"; fallas=1; }
done
[ "$fallas" -eq 0 ] || { echo "$salida"; exit 1; }
echo "las ${#casos[@]} formas de inclusión plantadas se detectan"

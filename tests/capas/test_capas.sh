#!/usr/bin/env bash
# The layer check passes on the sources as they are, and fails on a copy where a panel
# includes the main window, a model includes the engine, and the batch tool a window.
set -euo pipefail
raiz=$(cd "$(dirname "$0")/../.." && pwd)
comprueba="$raiz/scripts/comprueba_capas.sh"
"$comprueba" "$raiz/src"

copia=$(mktemp -d)
trap 'rm -rf "$copia"' EXIT
for plantado in 'greenhouse/ui/panel_techo.cpp:shell/hortelia.h' 'weather/radiacion.cpp:engine/simula_dia.h' \
  'cli/hortelia_sim.cpp:ui/grafico.h' 'greenhouse/geometria.cpp:weather/viento.h'; do
  rm -rf "${copia:?}"/*
  cp -r "$raiz/src/." "$copia/"
  archivo=${plantado%%:*}
  incluido=${plantado#*:}
  printf '#include "%s"\n' "$incluido" >>"$copia/$archivo"
  if salida=$("$comprueba" "$copia"); then
    echo "FALLA: no se detectó $archivo -> $incluido"
    exit 1
  fi
  grep -q "$archivo incluye \"$incluido\"" <<<"$salida" || { echo "FALLA: mensaje sin $archivo: $salida"; exit 1; }
done
echo "las cuatro inclusiones plantadas se detectan"

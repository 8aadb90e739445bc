#!/usr/bin/env bash
# Performance figures of Hortelia, each against its target: the day's simulation, the spray of
# one hot hour and the weather models, load + run + export, the window shown after the program
# starts, one move of the latitude bar with its chart, one move of the results' hour bar with its
# marks, hortelia-sim on one scenario, the program's peak memory, a season of 365 days in-process
# and through hortelia-sim, a comparison of eight scenarios on every core against one, and the
# season window on a daily table of 316 000 days against hortelia-sim on it, with its peak memory.
# Builds what it needs with the default preset; the windows run offscreen. Prints a table;
# a figure over its target is marked, the exit status stays 0 (figures, not tests).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target hortelia_bench hortelia_bench_ui hortelia_arranque hortelia_temporada_grande \
  hortelia-sim >/dev/null

# hyperfine times whole processes; Debian has it. Without it, a plain loop does.
if ! command -v hyperfine >/dev/null; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends hyperfine >/dev/null 2>&1 || true
fi

trabajo=$(mktemp -d)
trap 'rm -rf "$trabajo"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$trabajo/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"
escenario=tests/data/inicio.hrt

# Wall time of a command in milliseconds over $2 runs: the median with hyperfine (a run
# stretched by other work on the machine does not move it), else the mean.
proceso_ms() {
  local comando=$1 veces=$2
  if command -v hyperfine >/dev/null; then
    hyperfine -N --warmup 3 --runs "$veces" --export-csv "$trabajo/h.csv" "$comando" >/dev/null 2>&1
    awk -F, 'NR == 2 { printf "%.1f", $4 * 1000 }' "$trabajo/h.csv"
  else
    local inicio fin
    $comando >/dev/null 2>&1
    inicio=$(date +%s%N)
    for _ in $(seq "$veces"); do $comando >/dev/null 2>&1; done
    fin=$(date +%s%N)
    awk -v d=$((fin - inicio)) -v n="$veces" 'BEGIN { printf "%.1f", d / n / 1e6 }'
  fi
}

# Google Benchmark as CSV: name -> real time in its own unit. Its CSV wants the same counters
# in every row, so the day and the season benchmarks (each with their own) run apart.
build/bench/hortelia_bench --benchmark_format=csv --benchmark_filter='SimulaDia|Aspersion/|Calcula|Carga' 2>/dev/null \
  >"$trabajo/nucleo.csv"
build/bench/hortelia_bench --benchmark_format=csv --benchmark_filter=Temporada 2>/dev/null >>"$trabajo/nucleo.csv"
build/bench/hortelia_bench_ui --benchmark_format=csv 2>/dev/null >"$trabajo/ventana.csv"
bench() {  # file, benchmark name prefix
  awk -F, -v n="\"$2" 'index($1, n) == 1 { printf "%.2f", $3; exit }' "$trabajo/$1"
}

# The program's start in-process and its peak memory: median of five runs of the harness.
for _ in 1 2 3 4 5; do build/bench/hortelia_arranque 2>/dev/null; done >"$trabajo/arranque.txt"
mediana() { awk -v k="$1" '$1 == k { print $2 }' "$trabajo/arranque.txt" | sort -n | sed -n 3p; }

filas=()
fila() {  # figure, value, unit, target (same unit)
  local marca=ok
  awk -v v="$2" -v o="$4" 'BEGIN { exit !(v + 0 < o + 0) }' || marca="OVER TARGET"
  filas+=("$(printf '%-52s %10s %-3s  < %-6s %s' "$1" "$2" "$3" "$4" "$marca")")
}
fila "SimulaDia, start values (µs)" "$(bench nucleo.csv BM_SimulaDia_Inicial)" us 10
fila "SimulaDia, hot day, spray most hours (µs)" "$(bench nucleo.csv BM_SimulaDia_Caluroso)" us 12
# The spray of one hot hour that stops after 0, 50, 100 and 200 steps, found by bisection.
for pasos in 0 50 100 200; do
  fila "Spray of an hour of $pasos steps (ns)" "$(bench nucleo.csv "BM_Aspersion/$pasos\"")" ns 1000
done
fila "CalculaRadiacion (µs)" "$(bench nucleo.csv BM_CalculaRadiacion)" us 50
fila "CalculaTemperatura (µs)" "$(bench nucleo.csv BM_CalculaTemperatura)" us 50
fila "CalculaHumedad (µs)" "$(bench nucleo.csv BM_CalculaHumedad)" us 50
fila "Load + run + export in-process (µs)" "$(bench nucleo.csv BM_CargaSimulaExporta)" us 1000
fila "Latitude bar move with its chart painted (ms)" "$(bench ventana.csv BM_CambioLatitud)" ms 5
fila "Results hour bar move with both marks painted (ms)" "$(bench ventana.csv BM_CambioHoraResultados)" ms 5
fila "Main window built and shown, in-process (ms)" "$(bench ventana.csv BM_MuestraVentana)" ms 500
fila "Program start to window shown, main() on (ms)" "$(mediana ventana_mostrada_ms)" ms 500
fila "Program start to window shown, whole process (ms)" "$(proceso_ms build/bench/hortelia_arranque 20)" ms 500
fila "hortelia-sim on one scenario, whole process (ms)" "$(proceso_ms "build/hortelia-sim $escenario" 50)" ms 20
fila "Peak memory of the program with its window (MB)" "$(mediana memoria_pico_mb)" MB 120
# A whole season: 365 days of the shipped normals on the example tunnel, and of a hot table.
fila "Season of 365 days, example normals, in-process (ms)" "$(bench nucleo.csv BM_Temporada_NormalesEjemplo)" ms 3
fila "Season of 365 days, hot table with spray, in-process (ms)" "$(bench nucleo.csv BM_Temporada_Calurosa)" ms 4
fila "hortelia-sim --temporada, a year, whole process (ms)" \
  "$(proceso_ms "build/hortelia-sim --temporada ejemplos/clima_normales.csv ejemplos/tunel_doble.hrt" 20)" ms 8
# Eight scenarios compared over a year of normals: on every core, against the same process held
# to one core (it then runs them one after the other). The subshell that times it is held, so
# that taskset's own start is not timed.
ocho="ejemplos/invernaculo.hrt ejemplos/tunel_simple.hrt ejemplos/tunel_doble.hrt tests/data/inicio.hrt"
ocho="$ocho tests/data/seco_doble.hrt ejemplos/invernaculo.hrt ejemplos/tunel_simple.hrt ejemplos/tunel_doble.hrt"
resumen="build/hortelia-sim --resumen --temporada ejemplos/clima_normales.csv $ocho"
paralelo=$(proceso_ms "$resumen" 60)
serie=$(taskset -p -c 0 "$BASHPID" >/dev/null && proceso_ms "$resumen" 60)
fila "--resumen of 8 scenarios over a year, $(nproc) cores, % of one core" \
  "$(awk -v p="$paralelo" -v s="$serie" 'BEGIN { printf "%.0f", 100 * p / s }')" % 60
# A typical year of hourly records: read and run in-process, and through hortelia-sim. The year
# is written here in the shape bench/bench_registros.cpp builds in memory.
awk 'BEGIN {
  print "LOCATION,Banco de pruebas,x,x,x,0,-31.5,-60.7,-3,20"; print "DESIGN CONDITIONS,0"
  for (k = 0; k < 6; k++) print "x"
  split("31 28 31 30 31 30 31 31 30 31 30 31", dias, " "); pi = atan2(0, -1); n = 0
  for (mes = 1; mes <= 12; mes++) for (dia = 1; dia <= dias[mes]; dia++) {
    for (h = 1; h <= 24; h++) {
      t = 17 + 8 * cos(2 * pi * n / 365) + 6 * sin(2 * pi * (h - 9) / 24)
      rad = (h < 8 || h > 18) ? 0 : 500 * sin(pi * (h - 7) / 12)
      printf "2005,%d,%d,%d,60,x,%.1f,5,%d,101300,0,0,0,%.0f,0,0,0,0,0,0,0,%.1f,%d\n", mes, dia, h, t, 70 + (h % 5) * 4, rad, 1 + (h % 7) * 0.8, h % 11
    }
    n++
  }
}' >"$trabajo/anio.epw"
fila "Season of a typical year (EPW), read and run, in-process (ms)" "$(bench nucleo.csv BM_Temporada_AnioEpw)" ms 8
fila "hortelia-sim --temporada on a typical year (EPW), whole process (ms)" \
  "$(proceso_ms "build/hortelia-sim --temporada $trabajo/anio.epw ejemplos/tunel_doble.hrt" 20)" ms 15

# A daily table of 316 000 days (about 10 MB, written here): the season window on it, offscreen,
# from reading the table to the season shown, against hortelia-sim --resumen on the same file;
# and the window's peak memory.
build/bench/hortelia_temporada_grande --genera "$trabajo/larga.csv"
lote=$(proceso_ms "build/hortelia-sim --resumen --temporada $trabajo/larga.csv ejemplos/tunel_doble.hrt" 3)
build/bench/hortelia_temporada_grande "$trabajo/larga.csv" ejemplos/tunel_doble.hrt 2>/dev/null >"$trabajo/grande.txt"
grande() { awk -v k="$1" '$1 == k { print $2 }' "$trabajo/grande.txt"; }
fila "hortelia-sim --resumen, 316 000 days, whole process (ms)" "$lote" ms 8000
fila "Season window, 316 000 days, % of hortelia-sim's time" \
  "$(awk -v v="$(grande ventana_ms)" -v l="$lote" 'BEGIN { printf "%.0f", 100 * v / l }')" % 200
fila "Peak memory of that season window (MB)" "$(grande memoria_pico_mb)" MB 500
echo
echo "Hortelia performance ($(nproc) cores, $(uname -m); windows offscreen; timer: $(command -v hyperfine >/dev/null && echo hyperfine || echo shell loop))"
printf '%s\n' "${filas[@]}"

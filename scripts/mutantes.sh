#!/usr/bin/env bash
# How many planted faults the core and golden-file tests catch. A fixed, seeded set of single
# faults is planted, one at a time, in the core's sources (numeros, scenario, greenhouse,
# weather, engine, results; the .cpp files): a comparison flipped (< <=, > >=), + and -
# swapped, * and / swapped, a numeric literal's last digit changed, a condition negated, an
# assignment deleted, && and || swapped. For each one the tests are rebuilt incrementally and
# run with a time limit; a fault is killed when they fail, survives when they pass, and may
# also not compile or run out of time. Prints the counts per folder, then the survivors.
#
#   scripts/mutantes.sh [--semilla N] [--por-carpeta N] [--equivalentes ARCHIVO] [--lista] [ARBOL]
#
# ARBOL is the source tree (by default the one this script is in). Everything happens in a copy
# of it under ARBOL/build-mutantes/, built there: the tree itself and its build/ are never
# touched. The same seed and count per folder plant the same faults in the same sources.
#
# A survivor that cannot change what the program does goes in tests/mutantes-equivalentes.txt
# (or ARCHIVO), one a line, fields separated by tabs: the file under src/, the original line's
# text, the operator, the line as planted, then " — " and why. It is matched on the text (blanks
# around it ignored), not on the line number, and counted as neither killed nor survived.
# Lines starting with # are comments. --lista prints the faults it would plant and stops. The
# score of a folder is (killed + timed out) over the
# faults that compiled, less the equivalent ones.
set -euo pipefail

semilla=21
por_carpeta=25
equivalentes=""
solo_lista=""
arbol=""
while [ $# -gt 0 ]; do
  case $1 in
  --semilla) semilla=$2; shift 2 ;;
  --por-carpeta) por_carpeta=$2; shift 2 ;;
  --equivalentes) equivalentes=$(realpath "$2"); shift 2 ;;
  --lista) solo_lista=1; shift ;;
  -*) echo "uso: mutantes.sh [--semilla N] [--por-carpeta N] [--equivalentes ARCHIVO] [--lista] [ARBOL]" >&2; exit 2 ;;
  *) arbol=$1; shift ;;
  esac
done
arbol=$(realpath "${arbol:-$(dirname "$0")/..}")
if [ ! -d "$arbol/src" ] || [ ! -f "$arbol/CMakeLists.txt" ]; then
  echo "mutantes.sh: $arbol no es un árbol de Hortelia" >&2
  exit 2
fi
equivalentes=${equivalentes:-$arbol/tests/mutantes-equivalentes.txt}
carpetas=(numeros scenario greenhouse weather engine results)

trabajo=$arbol/build-mutantes
fuentes=$trabajo/fuentes
compilacion=$trabajo/compilacion
mkdir -p "$trabajo"

# The copy, with the tree's times so that an earlier build of it stays valid.
rm -rf "$fuentes"
mkdir -p "$fuentes"
for parte in CMakeLists.txt src tests ejemplos; do
  [ -e "$arbol/$parte" ] && cp -a "$arbol/$parte" "$fuentes/"
done
# Sources a stopped run restored after planting a fault but did not build again: their objects
# may still hold the fault, and the tree's older times would not make the build redo them.
sin_reconstruir=$trabajo/sin_reconstruir
if [ -s "$sin_reconstruir" ]; then
  while read -r archivo; do touch "$fuentes/src/$archivo"; done <"$sin_reconstruir"
fi
# Every place a fault can go, one a line: folder, file, line, operator, planted line, original.
candidatos=$trabajo/candidatos
for carpeta in "${carpetas[@]}"; do
  (cd "$fuentes/src" && find "$carpeta" -maxdepth 1 -name '*.cpp' | LC_ALL=C sort)
done | (cd "$fuentes/src" && xargs awk '
function oculta(l,   r, i, c, en, esc) {  # string and char contents and // comments as blanks
  r = ""; en = ""; esc = 0
  for (i = 1; i <= length(l); i++) {
    c = substr(l, i, 1)
    if (en != "") {
      if (esc) { esc = 0; r = r "x"; continue }
      if (c == "\\") { esc = 1; r = r "x"; continue }
      if (c == en) { en = ""; r = r c; continue }
      r = r "x"; continue
    }
    if (c == "/" && substr(l, i + 1, 1) == "/") { while (i <= length(l)) { r = r " "; i++ } break }
    if (c == "\"" || c == "\047") { en = c; r = r c; continue }
    r = r c
  }
  return r
}
function sale(op, pos, largo, por) {
  n = split(FILENAME, partes, "/")
  printf "%s\t%s\t%d\t%s\t%s\t%s\n", partes[1], FILENAME, FNR, op, substr($0, 1, pos - 1) por substr($0, pos + largo), $0
}
function todos(m, patron, op, por, largo,   desde, p) {
  desde = 0
  while ((p = index(substr(m, desde + 1), patron)) > 0) {
    sale(op, desde + p, largo, por)
    desde += p
  }
}
BEGIN { asignacion = "^[ \t]*[A-Za-z_*][]A-Za-z0-9_.>[()-]* [-+*/]?= [^=].*;[ \t]*$" }
FNR == 1 { bloque = 0 }
{
  linea = $0
  if (bloque) { if (index(linea, "*/")) bloque = 0; next }
  if (linea ~ /^[ \t]*\/\*/) { if (!index(linea, "*/")) bloque = 1; next }
  if (linea ~ /^[ \t]*(#|\/\/|static_assert)/) next
  m = oculta(linea)
  cadena = index(m, "\"") > 0
  todos(m, " < ", "relacional", " <= ", 3); todos(m, " <= ", "relacional", " < ", 4)
  todos(m, " > ", "relacional", " >= ", 3); todos(m, " >= ", "relacional", " > ", 4)
  if (!cadena) { todos(m, " + ", "aritmetico", " - ", 3); todos(m, " - ", "aritmetico", " + ", 3) }
  todos(m, " * ", "multiplicativo", " / ", 3); todos(m, " / ", "multiplicativo", " * ", 3)
  todos(m, " && ", "logico", " || ", 4); todos(m, " || ", "logico", " && ", 4)
  # Numeric literals: the last digit one more (9 becomes 0).
  resto = m; desde = 0
  while (match(resto, /[0-9][0-9.]*([eE][-+]?[0-9]+)?/)) {
    p = desde + RSTART; largo = RLENGTH
    antes = p > 1 ? substr(m, p - 1, 1) : " "
    if (antes !~ /[A-Za-z0-9_.x]/ && substr(m, p, 2) !~ /^0[xX]/) {
      texto = substr(m, p, largo); u = largo
      while (u > 0 && substr(texto, u, 1) !~ /[0-9]/) u--
      d = substr(texto, u, 1) + 1; if (d == 10) d = 0
      sale("literal", p + u - 1, 1, d)
    }
    desde = p + largo - 1; resto = substr(m, desde + 1)
  }
  # A condition negated, when it closes on its own line.
  if (match(m, /(if|while) \(/)) {
    abre = RSTART + RLENGTH - 1; nivel = 0
    for (i = abre; i <= length(m); i++) {
      c = substr(m, i, 1)
      if (c == "(") nivel++
      if (c == ")" && --nivel == 0) break
    }
    if (i <= length(m))
      sale("negacion", abre + 1, i - abre - 1, "!(" substr($0, abre + 1, i - abre - 1) ")")
  }
  # An assignment statement of its own line deleted (an empty statement takes its place).
  if (m ~ asignacion && m !~ /^[ \t]*(return|case|else|const|auto|if|for|while)[ (]/) {
    match(m, /[^ \t]/)
    sale("borrado", RSTART, length($0) - RSTART + 1, ";")
  }
}') >"$candidatos"

# The planted set: per folder, the candidates in a seeded order (a Park-Miller generator, the
# same on any machine), the first N of them; then by file and line, to rebuild less.
elegidos=$trabajo/elegidos
awk -F'\t' -v semilla="$semilla" -v n="$por_carpeta" '
{ k = ++cuantos[$1]; fila[$1, k] = $0 }
END {
  x = semilla % 2147483647; if (x <= 0) x += 2147483646
  for (c in cuantos) lista[++nc] = c
  for (i = 2; i <= nc; i++) for (j = i; j > 1 && lista[j - 1] > lista[j]; j--) { t = lista[j]; lista[j] = lista[j - 1]; lista[j - 1] = t }
  for (ci = 1; ci <= nc; ci++) {
    c = lista[ci]; total = cuantos[c]
    for (i = 1; i <= total; i++) orden[i] = i
    for (i = total; i > 1; i--) {
      x = (16807 * x) % 2147483647
      j = 1 + x % i
      t = orden[i]; orden[i] = orden[j]; orden[j] = t
    }
    for (i = 1; i <= n && i <= total; i++) print fila[c, orden[i]]
  }
}' "$candidatos" | LC_ALL=C sort -t$'\t' -k2,2 -k3,3n -s >"$elegidos"

if [ -n "$solo_lista" ]; then
  awk -F'\t' '{ o = $6; p = $5; sub(/^[ \t]+/, "", o); sub(/^[ \t]+/, "", p); printf "%s:%s  %s  %s  →  %s\n", $2, $3, $4, o, p }' "$elegidos"
  exit 0
fi

cmake -S "$fuentes" -B "$compilacion" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHORTELIA_UI=OFF \
  -DHORTELIA_TESTS=ON -DHORTELIA_BENCH=OFF -DHORTELIA_FUZZ=OFF -DHORTELIA_WERROR=OFF >/dev/null
construye() { cmake --build "$compilacion" --target test_core hortelia-sim -j "$(nproc)" </dev/null >/dev/null 2>&1; }
# A crash of the tests is a kill like any failure; the shell need not report it.
prueba() { (cd "$compilacion/tests" && timeout "$limite" ./test_core --gtest_brief=1 </dev/null >/dev/null 2>&1) 2>/dev/null; }

echo "mutantes: compilando la copia sin fallas en $compilacion"
construye || { echo "mutantes.sh: la copia sin fallas no compila" >&2; exit 1; }
inicio=$(date +%s.%N)
(cd "$compilacion/tests" && ./test_core --gtest_brief=1 >/dev/null 2>&1) || { echo "mutantes.sh: las pruebas fallan sin fallas plantadas" >&2; exit 1; }
base=$(awk -v a="$inicio" -v b="$(date +%s.%N)" 'BEGIN { print b - a }')
limite=$(awk -v t="$base" 'BEGIN { l = int(t * 10) + 10; print l }')
echo "mutantes: las pruebas tardan $base s sin fallas; límite por falla $limite s"

# The equivalent ones: file, original text, operator, planted text, blanks around ignored.
recorta() { sed 's/^[ \t]*//; s/[ \t]*$//' <<<"$1"; }
declare -A equivalente=()
if [ -f "$equivalentes" ]; then
  while IFS=$'\t' read -r archivo original operador resto; do
    [[ -z $archivo || $archivo == \#* ]] && continue
    plantada=${resto%% — *}
    equivalente["$archivo"$'\t'"$(recorta "$original")"$'\t'"$operador"$'\t'"$(recorta "$plantada")"]=1
  done <"$equivalentes"
fi

resultados=$trabajo/resultados
: >"$resultados"
# The copy's file as it was before a fault went in: planting and restoring read it, never the
# tree, which may change while the check runs.
antes=$trabajo/antes
restaura() {
  if [ -n "${actual:-}" ]; then
    cp "$antes" "$fuentes/src/$actual"
    echo "$actual" >>"$sin_reconstruir"
  fi
  actual=""
}
trap restaura EXIT
total=$(wc -l <"$elegidos")
echo "mutantes: $total fallas (semilla $semilla, $por_carpeta por carpeta) de $(wc -l <"$candidatos") lugares posibles"
k=0
while IFS=$'\t' read -r carpeta archivo linea operador plantada original; do
  k=$((k + 1))
  clave="$archivo"$'\t'"$(recorta "$original")"$'\t'"$operador"$'\t'"$(recorta "$plantada")"
  if [ -n "${equivalente[$clave]:-}" ]; then
    resultado=equivalente
  else
    cp "$fuentes/src/$archivo" "$antes"
    actual=$archivo
    NUEVA=$plantada awk -v n="$linea" 'NR == n { print ENVIRON["NUEVA"]; next } { print }' \
      "$antes" >"$fuentes/src/$archivo"
    if ! construye; then resultado=no_compila
    elif prueba; then resultado=sobrevive
    elif [ $? -eq 124 ]; then resultado=tiempo
    else resultado=muerto
    fi
    restaura
  fi
  printf '%s\t%s\t%s\t%s\t%s\t%s\t%s\n' "$resultado" "$carpeta" "$archivo" "$linea" "$operador" "$original" "$plantada" >>"$resultados"
  if [ -t 1 ]; then printf '\rmutantes: %d/%d' "$k" "$total"; fi
done <"$elegidos"
if [ -t 1 ]; then echo; fi
# The copy as it is again, for the next run.
if construye; then : >"$sin_reconstruir"; fi

awk -F'\t' '
{ n[$2]++; r[$2, $1]++; N++; R[$1]++ }
END {
  printf "%-11s %9s %7s %12s %11s %7s %12s %8s\n", "carpeta", "plantadas", "muertas", "sobreviven", "no compilan", "tiempo", "equivalentes", "puntaje"
  split("numeros scenario greenhouse weather engine results", orden, " ")
  for (i = 1; i <= 6; i++) linea(orden[i], n[orden[i]], r[orden[i], "muerto"], r[orden[i], "sobrevive"], r[orden[i], "no_compila"], r[orden[i], "tiempo"], r[orden[i], "equivalente"])
  linea("total", N, R["muerto"], R["sobrevive"], R["no_compila"], R["tiempo"], R["equivalente"])
}
function linea(c, n, m, s, nc, t, e,   base, puntaje) {
  base = n - nc - e
  puntaje = "-"
  if (base > 0) puntaje = sprintf("%.0f %%", 100 * (m + t) / base)
  printf "%-11s %9d %7d %12d %11d %7d %12d %8s\n", c, n, m, s, nc, t, e, puntaje
}' "$resultados"
if grep -q '^sobrevive' "$resultados"; then
  echo
  echo "Sobreviven (archivo:línea, operador, original → plantada):"
  awk -F'\t' '$1 == "sobrevive" {
    o = $6; p = $7; sub(/^[ \t]+/, "", o); sub(/^[ \t]+/, "", p)
    printf "  %s:%s  %s  %s  →  %s\n", $3, $4, $5, o, p
  }' "$resultados"
fi

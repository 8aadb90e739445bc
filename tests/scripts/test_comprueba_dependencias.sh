#!/usr/bin/env bash
# scripts/comprueba_dependencias.sh on a real build: it passes with the project's lists, and
# fails naming what to add when deps.sh leaves out a package the build or a test program needs,
# or when a program of the list is not installed.
#
#   test_comprueba_dependencias.sh BUILD_DIR
set -euo pipefail

raiz=$(cd "$(dirname "$0")/../.." && pwd)
compilacion=$1
comprueba=$raiz/scripts/comprueba_dependencias.sh
deps=$raiz/scripts/deps.sh
programas=$raiz/scripts/programas-de-prueba.txt
trabajo=$(mktemp -d "${TMPDIR:-/tmp}/hortelia-deps.XXXXXX")
trap 'rm -rf "$trabajo"' EXIT

fallos=0
falla() {
  echo "FALLA: $*" >&2
  fallos=$((fallos + 1))
}

# Runs the check on the build with the given lists: status in $estado, output in $salida.
corre() {
  estado=0
  salida=$("$comprueba" "$compilacion" "$@" 2>&1) || estado=$?
}
espera_estado() {
  [ "$estado" -eq "$1" ] || falla "$2: estado $estado, se esperaba $1; salida:"$'\n'"$salida"
}
dice() {
  grep -qF -- "$1" <<<"$salida" || falla "$2: la salida no dice \"$1\"; salida:"$'\n'"$salida"
}

# A copy of deps.sh without the packages given, $trabajo/$1, named in $copia.
deps_sin() {
  copia=$trabajo/$1
  shift
  cp "$deps" "$copia"
  for p in "$@"; do
    sed -E -i "/paquetes=\(/,/\)/ s/(^|[[:space:](])$p([[:space:])]|\$)/\1\2/" "$copia"
    ! grep -qE "(^|[[:space:](])$p([[:space:])]|\$)" "$copia" || falla "no se pudo quitar $p de la copia de deps.sh"
  done
  if cmp -s "$deps" "$copia"; then falla "$* no estaba en la lista de deps.sh"; fi
}

# The project's own lists: all well, in one line.
corre "$deps" "$programas"
espera_estado 0 "las listas del proyecto"
dice "dependencias: " "las listas del proyecto"
[ "$(wc -l <<<"$salida")" -eq 1 ] || falla "las listas del proyecto: más de una línea:"$'\n'"$salida"

# The fault that once stopped a fresh machine: Qt Charts needs Qt6OpenGL, whose package
# libqt6opengl6-dev a no-recommends install does not bring.
grep -q '^Qt6OpenGL_DIR:PATH=/' "$compilacion/CMakeCache.txt" ||
  falla "esta compilación no encontró Qt6OpenGL: la prueba de su paquete no prueba nada"
deps_sin sin-opengl.sh libqt6opengl6-dev
corre "$copia" "$programas"
espera_estado 1 "deps.sh sin libqt6opengl6-dev"
dice "el paquete de CMake Qt6OpenGL" "deps.sh sin libqt6opengl6-dev"
dice "agregue libqt6opengl6-dev" "deps.sh sin libqt6opengl6-dev"

# A test program whose package is left out, and a name apt does not know.
deps_sin sin-xdotool.sh xdotool
sed -i 's/paquetes=(/paquetes=(paquete-que-no-existe /' "$copia"
corre "$copia" "$programas"
espera_estado 1 "deps.sh sin xdotool y con un paquete inexistente"
dice "el programa xdotool" "deps.sh sin xdotool"
dice "agregue xdotool" "deps.sh sin xdotool"
dice "apt no conoce el paquete paquete-que-no-existe" "deps.sh con un paquete inexistente"
dice "2 fallas" "deps.sh sin xdotool y con un paquete inexistente"

# A program that is not installed, and one that the list gives to the wrong package.
{
  sed 's/^Xvfb .*/Xvfb xserver-common/' "$programas"
  echo "hortelia-programa-inexistente hortelia-paquete-inexistente"
} >"$trabajo/programas.txt"
corre "$deps" "$trabajo/programas.txt"
espera_estado 1 "un programa que falta y uno con otro paquete"
dice "falta el programa hortelia-programa-inexistente" "un programa que falta"
dice "hortelia-paquete-inexistente" "un programa que falta"
dice "es de xvfb, no de xserver-common" "un programa con otro paquete"

[ "$fallos" -eq 0 ] || exit 1
echo "comprueba_dependencias: acepta las listas del proyecto y señala cada falta"

#!/usr/bin/env bash
# scripts/cuenta_lineas.sh on a small tree whose counts are known: blank lines, // and /* */
# comments (on one line, over several, after code) and files that are neither .cpp nor .h.
set -euo pipefail

cuenta=$(cd "$(dirname "$0")/../.." && pwd)/scripts/cuenta_lineas.sh
arbol=$(mktemp -d "${TMPDIR:-/tmp}/hortelia-lineas.XXXXXX")
trap 'rm -rf "$arbol"' EXIT
mkdir -p "$arbol/src/a" "$arbol/tests"
printf '%s\n' '#include <x>' '' '// only a comment' '   ' 'int a = 1;  // counted' \
  '/* one' '   two */' 'int b; /* counted */' '/* c */ int c;' '/* d */ /* e */' 'x /* f' 'g */' >"$arbol/src/a/x.cpp"
printf '%s\n' '#pragma once' '  /** doc */' 'int f();' >"$arbol/src/a/x.h"
printf '%s\n' 'not counted' >"$arbol/src/a/x.txt"
printf '%s\n' 'TEST(A, B) {}' '' '}' >"$arbol/tests/t.cpp"
esperado=$'src    7\ntests  2\ntests/src  28.6 %'
salida=$("$cuenta" "$arbol")
if [ "$salida" != "$esperado" ]; then
  echo "FALLA: cuenta_lineas.sh dio:"$'\n'"$salida"$'\n'"y se esperaba:"$'\n'"$esperado" >&2
  exit 1
fi

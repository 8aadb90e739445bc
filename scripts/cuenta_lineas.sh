#!/usr/bin/env bash
# How big the tests are beside the program: the lines of .cpp and .h under src/ and under tests/
# that hold code, blank lines and comments (// and /* */) left out; a line with code and then a
# comment counts. Prints both counts and tests over src as a percentage.
#
#   scripts/cuenta_lineas.sh [ARBOL]
set -euo pipefail
arbol=${1:-$(dirname "$0")/..}
cuenta() {
  find "$arbol/$1" -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 cat | awk '
  {
    l = $0; codigo = 0
    while (l != "") {
      if (enBloque) {
        p = index(l, "*/"); if (!p) { l = ""; break }
        l = substr(l, p + 2); enBloque = 0; continue
      }
      a = index(l, "/*"); b = index(l, "//")
      if (b && (!a || b < a)) { l = substr(l, 1, b - 1); if (l ~ /[^ \t\r]/) codigo = 1; break }
      if (a) { if (substr(l, 1, a - 1) ~ /[^ \t\r]/) codigo = 1; l = substr(l, a + 2); enBloque = 1; continue }
      if (l ~ /[^ \t\r]/) codigo = 1
      break
    }
    n += codigo
  }
  END { print n + 0 }'
}
src=$(cuenta src)
tests=$(cuenta tests)
echo "src    $src"
echo "tests  $tests"
awk -v s="$src" -v t="$tests" 'BEGIN { printf "tests/src  %.1f %%\n", s ? 100 * t / s : 0 }'

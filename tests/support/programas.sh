# Sourced by the test scripts: fails (exit 1) when a program of scripts/programas-de-prueba.txt
# is not installed, saying which package brings it. Every test script checks the whole list,
# so a machine that lacks one tool fails every test that starts programs, never skips them.
comprueba_programas() {
  local lista
  lista=$(dirname "${BASH_SOURCE[0]}")/../../scripts/programas-de-prueba.txt
  [ -r "$lista" ] || { echo "FALLA: no se puede leer $lista" >&2; exit 1; }
  local faltan=0 herramienta paquete
  while read -r herramienta paquete _; do
    case $herramienta in "" | "#"*) continue ;; esac
    command -v "$herramienta" >/dev/null && continue
    echo "FALLA: falta el programa $herramienta, que trae el paquete $paquete (scripts/deps.sh lo instala)" >&2
    faltan=1
  done <"$lista"
  [ "$faltan" -eq 0 ] || exit 1
}

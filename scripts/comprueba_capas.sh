#!/usr/bin/env bash
# Checks that every file under src/ uses only headers of its own folder or of the layers below
# it, as the compiler finds them: not the include lines as written, but the headers that each
# translation unit of a build actually opened (the build's dependency files, or the compiler's
# -MM over compile_commands.json where the build has none), so that <engine/x.h>,
# "weather/../engine/x.h", an include through a macro and one inside a .inc file all count.
# The layers, bottom to top:
#
#   numeros < scenario < {greenhouse, weather} < engine < results < ui
#           < {greenhouse/ui, weather/ui, results/ui} < {shell, cli}
#
# Folders in braces are siblings and do not use each other; cli sees the core only (up to
# results), never the windows. A header no file of its own folder includes is preprocessed on
# its own, so that what it includes is checked against its own layer too.
#
#   comprueba_capas.sh BUILD                   the sources of the configured and built BUILD
#   comprueba_capas.sh BUILD --fuentes COPIA TU...
#                                              the translation units TU (paths under src/) of a
#                                              copy COPIA of src/, with BUILD's compile commands
#
# Prints, for each file and each layer it may not use, the first header of that layer it
# includes, and exits 1; prints one line and exits 0 when
# there is none; exits 2 when it cannot check (no build, a source file the build does not compile).
set -euo pipefail

uso() { echo "uso: comprueba_capas.sh BUILD [--fuentes COPIA TU...]" >&2; exit 2; }
[ $# -ge 1 ] || uso
compilacion=$(realpath "$1")
shift
[ -f "$compilacion/compile_commands.json" ] ||
  { echo "comprueba_capas: $compilacion no tiene compile_commands.json: configure y compile primero" >&2; exit 2; }
raiz=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$compilacion/CMakeCache.txt")
src_compilado=$raiz/src
src=$(realpath "$src_compilado")
elegidas=()
if [ $# -gt 0 ]; then
  if [ "$1" != --fuentes ] || [ $# -lt 3 ]; then uso; fi
  src=$(realpath "$2")
  shift 2
  elegidas=("$@")
fi

trabajo=$(mktemp -d "${TMPDIR:-/tmp}/hortelia-capas.XXXXXX")
trap 'rm -rf "$trabajo"' EXIT

# The compile commands of the files under src/, one a line: directory, object, source, command.
awk -v src="$src_compilado/" '
function valor(l) { sub(/^[^:]*: "/, "", l); sub(/",?$/, "", l); gsub(/\\"/, "\"", l); gsub(/\\\\/, "\\", l); return l }
/^  "directory": / { dir = valor($0) }
/^  "command": / { orden = valor($0) }
/^  "file": / {
  archivo = valor($0)
  if (index(archivo, src) != 1) next
  objeto = orden; sub(/.* -o /, "", objeto); sub(/ .*/, "", objeto)
  printf "%s\t%s\t%s\t%s\n", dir, objeto, substr(archivo, length(src) + 1), orden
}' "$compilacion/compile_commands.json" | sort -t$'\t' -k3,3 -u >"$trabajo/ordenes"

# The headers a command opens, by the compiler's -MM (one "TU<TAB>path" a line). Run per line
# of $trabajo/a_preprocesar: directory, source (under src/), command, and the file to
# preprocess in its place when it is not the source itself.
cat >"$trabajo/preprocesa.sh" <<'FIN'
#!/usr/bin/env bash
set -uo pipefail
IFS=$'\t' read -r dir tu orden entrada <<<"$1"
orden=${orden/ -o +([^ ])/}
orden=${orden/ -c / }
[ -n "$entrada" ] && orden="${orden% *} -x c++ $entrada"
cd "$dir" || exit 1
errores=$(mktemp)
trap 'rm -f "$errores"' EXIT
salida=$(eval "$orden -MM -MG" 2>"$errores") ||
  { echo "comprueba_capas: no se pudo preprocesar $tu:" >&2; cat "$errores" >&2; exit 1; }
tr -s ' \\\n' '\n\n\n' <<<"$salida" | sed '1d; /^$/d' | sed "s|^[^/]|$dir/&|; s|^|$tu\t|"
FIN
chmod +x "$trabajo/preprocesa.sh"
preprocesa() {
  [ -s "$trabajo/a_preprocesar" ] || return 0
  tr '\n' '\0' <"$trabajo/a_preprocesar" |
    xargs -0 -P "$(nproc)" -n 1 bash -O extglob "$trabajo/preprocesa.sh" >>"$trabajo/incluidos" || exit 2
}
: >"$trabajo/incluidos"
: >"$trabajo/a_preprocesar"

if [ ${#elegidas[@]} -eq 0 ]; then
  # Every source file under src/ must be one the build compiles, or it would go unchecked.
  (cd "$src" && find . -name '*.cpp' | sed 's|^\./||' | sort) >"$trabajo/fuentes"
  if cut -f3 "$trabajo/ordenes" | comm -13 - "$trabajo/fuentes" | grep .; then
    echo "comprueba_capas: la compilación $compilacion no compila esos archivos: no se pueden revisar" >&2
    exit 2
  fi
  # The dependencies ninja keeps of each object built since its sources last changed; the
  # others are preprocessed.
  if [ -f "$compilacion/build.ninja" ]; then
    ninja -C "$compilacion" -t deps 2>/dev/null | awk -F'\t' -v ordenes="$trabajo/ordenes" '
      BEGIN { while ((getline l < ordenes) > 0) { split(l, c, "\t"); tu[c[2]] = c[3] } }
      /^[^ ].*: #deps [0-9]+, deps mtime [0-9]+ \(VALID\)$/ { o = $0; sub(/: #deps.*/, "", o); actual = (o in tu) ? tu[o] : ""; next }
      /^[^ ]/ { actual = ""; next }
      actual != "" && /^    / { sub(/^    /, ""); print actual "\t" $0 }' >"$trabajo/incluidos"
  fi
  # A file newer than the object of a file that includes it may include something else now.
  (cd "$src" && find . -type f -printf '%T@\t%P\n') >"$trabajo/fechas"
  cut -f2 "$trabajo/ordenes" | (cd "$compilacion" && xargs -r stat -c '%.9Y	%n' 2>/dev/null) >"$trabajo/objetos" || true
  awk -F'\t' -v src="$src/" '
    FILENAME ~ /fechas$/ { fecha[src $2] = $1; next }
    FILENAME ~ /objetos$/ { objeto[$2] = $1; next }
    FILENAME ~ /ordenes$/ { obj[$3] = $2; next }
    { if (!(obj[$1] in objeto) || ($2 in fecha && fecha[$2] > objeto[obj[$1]])) viejo[$1] = 1; visto[$1] = 1 }
    END { for (tu in visto) if (!(tu in viejo)) print tu }
  ' "$trabajo/fechas" "$trabajo/objetos" "$trabajo/ordenes" "$trabajo/incluidos" | sort >"$trabajo/vistas"
  awk -F'\t' 'NR == FNR { vigente[$0] = 1; next } $1 in vigente' "$trabajo/vistas" "$trabajo/incluidos" >"$trabajo/vigentes"
  mv "$trabajo/vigentes" "$trabajo/incluidos"
  awk -F'\t' 'NR == FNR { visto[$0] = 1; next } !($3 in visto) { print $1 "\t" $3 "\t" $4 "\t" }' \
    "$trabajo/vistas" "$trabajo/ordenes" >"$trabajo/a_preprocesar"
else
  # A source file with its own command; a header alone, with the command of a file of its layer.
  for tu in "${elegidas[@]}"; do
    linea=$(awk -F'\t' -v tu="$tu" '$3 == tu' "$trabajo/ordenes")
    entrada=""
    if [ -z "$linea" ] && [[ $tu != *.cpp ]]; then
      if [[ $tu == */ui/* ]]; then carpeta=${tu%%/ui/*}/ui/; else carpeta=${tu%%/*}/; fi
      linea=$(awk -F'\t' -v c="$carpeta" 'index($3, c) == 1 && substr($3, length(c) + 1) !~ /\//' "$trabajo/ordenes" | head -n 1)
      entrada=$src/$tu
    fi
    [ -n "$linea" ] || { echo "comprueba_capas: la compilación no compila $tu" >&2; exit 2; }
    IFS=$'\t' read -r dir _ _ orden <<<"$linea"
    printf '%s\t%s\t%s\t%s\n' "$dir" "$tu" "${orden//"$src_compilado"/"$src"}" "$entrada" >>"$trabajo/a_preprocesar"
  done
fi
preprocesa

# Each path as the file it names, relative to src/ when it lies there.
cut -f2 "$trabajo/incluidos" | sort -u >"$trabajo/rutas"
xargs -r -d '\n' realpath -m -- <"$trabajo/rutas" >"$trabajo/reales"
paste "$trabajo/rutas" "$trabajo/reales" >"$trabajo/nombres"

capas='
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
}'

# Headers under src/ that no file of their own layer includes: each is preprocessed alone, with
# the command of a file of its layer.
if [ ${#elegidas[@]} -eq 0 ]; then
  (cd "$src" && find . -type f ! -name '*.cpp' \( -name '*.h' -o -name '*.inc' -o -name '*.hpp' \) |
    sed 's|^\./||' | sort) >"$trabajo/cabeceras"
  awk -F'\t' -v src="$src/" "$capas"'
    FILENAME ~ /nombres$/ { if (index($2, src) == 1) real[$1] = substr($2, length(src) + 1); next }
    FILENAME ~ /incluidos$/ { if ($2 in real && capa($1) == capa(real[$2])) propia[real[$2]] = 1; next }
    FILENAME ~ /ordenes$/ { if (!(capa($3) in orden)) { dir[capa($3)] = $1; orden[capa($3)] = $4 }; next }
    !($0 in propia) && (capa($0) in orden) { print dir[capa($0)] "\t" $0 "\t" orden[capa($0)] "\t" src $0 }
  ' "$trabajo/nombres" "$trabajo/incluidos" "$trabajo/ordenes" "$trabajo/cabeceras" >"$trabajo/a_preprocesar"
  if [ -s "$trabajo/a_preprocesar" ]; then
    mv "$trabajo/incluidos" "$trabajo/incluidos_tu"
    : >"$trabajo/incluidos"
    preprocesa
    cut -f2 "$trabajo/incluidos" | sort -u | comm -13 "$trabajo/rutas" - >"$trabajo/rutas_nuevas"
    [ -s "$trabajo/rutas_nuevas" ] &&
      paste "$trabajo/rutas_nuevas" <(xargs -r -d '\n' realpath -m -- <"$trabajo/rutas_nuevas") >>"$trabajo/nombres"
    cat "$trabajo/incluidos_tu" >>"$trabajo/incluidos"
  fi
fi

awk -F'\t' -v src="$src/" "$capas"'
FILENAME ~ /nombres$/ { if (index($2, src) == 1) real[$1] = substr($2, length(src) + 1); next }
{
  propia = capa($1)
  if (!($1 in revisado)) {
    revisado[$1] = 1; revisados++
    if (rango(propia) < 0) { print $1 ": la carpeta \"" propia "\" no es una capa conocida"; faltas++ }
  }
  if (rango(propia) < 0 || !($2 in real)) next
  incluido = real[$2]
  otra = capa(incluido)
  if (otra == propia || (($1 SUBSEP otra) in dicho)) next
  mal = ""
  if (rango(otra) < 0) mal = "no es una capa conocida"
  else if (propia == "cli" && rango(otra) > rango("results")) mal = "la herramienta de lote solo usa el núcleo (hasta results)"
  else if (rango(otra) >= rango(propia)) mal = "apunta hacia arriba o a una capa hermana"
  if (mal != "") { dicho[$1, otra] = 1; print $1 " incluye \"" incluido "\": " mal; faltas++ }
}
END {
  if (faltas > 0) { print "comprueba_capas: " faltas " inclusiones fuera de orden"; exit 1 }
  print "comprueba_capas: " revisados " archivos, todas las inclusiones apuntan hacia abajo"
}' "$trabajo/nombres" "$trabajo/incluidos"

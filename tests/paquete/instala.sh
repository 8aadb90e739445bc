#!/usr/bin/env bash
# Installation as a desktop program: installs the build into a temporary prefix and checks
# what a desktop reads (menu entry, AppStream data, .hrt file type, icons, window icon
# resource, example scenarios, the grower's guide, the licence and the manual page), then
# builds the Debian package and checks it holds exactly what the install put under the prefix,
# with its dependencies worked out.
#
#   instala.sh CMAKE CPACK RCC BUILD FUENTES VERSION
#
# A missing tool is a failure, not a skip: the package could not be checked.
set -uo pipefail
export LC_ALL=C

cmake=$1 cpack=$2 rcc=$3 build=$4 fuentes=$5 version=$6
unset DESTDIR

source "$(dirname "$0")/../support/programas.sh"
comprueba_programas

trabajo=$(mktemp -d "${TMPDIR:-/tmp}/hortelia-paquete.XXXXXX")
trap 'rm -rf "$trabajo"' EXIT
prefijo=$trabajo/prefijo

fallas=0
falla() { echo "FALLA: $*" >&2; fallas=$((fallas + 1)); }

if ! "$cmake" --install "$build" --prefix "$prefijo" >"$trabajo/install.log" 2>&1; then
  cat "$trabajo/install.log" >&2
  echo "FALLA: cmake --install no terminó" >&2
  exit 1
fi
# What the install put down, before update-mime-database adds its caches.
(cd "$prefijo" && find . ! -type d | sed 's|^\./||' | sort) >"$trabajo/instalados"

shopt -s nullglob
entradas=("$prefijo"/share/applications/*.desktop)
if [ ${#entradas[@]} -ne 1 ]; then
  echo "FALLA: se esperaba una entrada de menú en share/applications, hay ${#entradas[@]}" >&2
  exit 1
fi
entrada=${entradas[0]}
id=$(basename "$entrada" .desktop)
metainfo=$prefijo/share/metainfo/$id.metainfo.xml
mime=$prefijo/share/mime/packages/$id.xml
tipo=$(grep -o '<mime-type type="[^"]*"' "$mime" 2>/dev/null | cut -d'"' -f2)
[ -n "$tipo" ] || falla "share/mime/packages/$id.xml no declara un tipo"

# --- Programs and example scenarios: the installed hortelia-sim runs every example.
for programa in hortelia hortelia-sim; do
  [ -x "$prefijo/bin/$programa" ] || falla "bin/$programa no está instalado o no es ejecutable"
done
ejemplos=("$fuentes"/ejemplos/*)
[ ${#ejemplos[@]} -gt 0 ] || falla "no hay ningún escenario en ejemplos/"
escenarios=("$fuentes"/ejemplos/*.hrt)
for ejemplo in "${ejemplos[@]}"; do
  instalado=$prefijo/share/hortelia/ejemplos/$(basename "$ejemplo")
  # A climate table (.csv) or a typical year (.epw) runs as a season of the first example scenario.
  orden=("$prefijo/bin/hortelia-sim" "$instalado")
  [[ $ejemplo != *.csv && $ejemplo != *.epw ]] || orden=("$prefijo/bin/hortelia-sim" --temporada "$instalado"
    "$prefijo/share/hortelia/ejemplos/$(basename "${escenarios[0]}")")
  if ! cmp -s "$ejemplo" "$instalado"; then
    falla "el ejemplo $(basename "$ejemplo") no está instalado tal cual en share/hortelia/ejemplos"
  elif ! "${orden[@]}" >/dev/null 2>"$trabajo/sim.err"; then
    falla "hortelia-sim no corre el ejemplo $(basename "$ejemplo"): $(cat "$trabajo/sim.err")"
  fi
done

# --- Documentation: the grower's guide (HTML, with the pictures it shows), the licence and the
# batch tool's manual page; and the installed batch tool says its version.
doc=$prefijo/share/doc/hortelia
xmllint --html --noout "$doc/guia.html" >"$trabajo/guia.log" 2>&1 \
  || falla "share/doc/hortelia/guia.html no es HTML legible: $(cat "$trabajo/guia.log")"
grep -q '<h2>Su primer día en cinco pasos</h2>' "$doc/guia.html" 2>/dev/null \
  || falla "la guía no tiene la parte para el productor del README"
grep -q 'For developers' "$doc/guia.html" 2>/dev/null && falla "la guía lleva la parte para desarrolladores"
for imagen in $(grep -o 'src="[^"]*"' "$doc/guia.html" 2>/dev/null | cut -d'"' -f2); do
  file -b "$doc/$imagen" 2>/dev/null | grep -q '^PNG image data' || falla "la guía muestra $imagen, que no está instalada"
done
grep -q '^Licencia: GPL-3.0-or-later$' "$doc/copyright" 2>/dev/null \
  || falla "share/doc/hortelia/copyright no da la licencia GPL-3.0-or-later"
manual=$prefijo/share/man/man1/hortelia-sim.1.gz
gzip -t "$manual" 2>/dev/null && zcat "$manual" | grep -q '^\.TH HORTELIA-SIM 1 ' \
  || falla "share/man/man1/hortelia-sim.1.gz no es la página de manual de hortelia-sim"
[ "$("$prefijo/bin/hortelia-sim" --version 2>&1)" = "hortelia-sim $version" ] \
  || falla "hortelia-sim --version no dice hortelia-sim $version"

# --- Menu entry: valid, and naming the icon, the program and the file type that are installed.
desktop-file-validate "$entrada" >"$trabajo/desktop.log" 2>&1 \
  || falla "desktop-file-validate rechaza $id.desktop: $(cat "$trabajo/desktop.log")"
valor() { sed -n "s/^$1=//p" "$entrada"; }
[ "$(valor Icon)" = "$id" ] || falla "Icon=$(valor Icon) en lugar de $id"
exec_programa=$(valor Exec | cut -d' ' -f1)
[ -x "$prefijo/bin/$exec_programa" ] || falla "Exec= lanza '$exec_programa', que no está en bin/"
[[ ";$(valor MimeType)" == *";$tipo;"* ]] || falla "MimeType= no nombra $tipo"

# --- File type: the MIME database accepts the package and maps *.hrt to the type.
if ! XDG_DATA_DIRS=$prefijo/share update-mime-database "$prefijo/share/mime" >"$trabajo/mime.log" 2>&1 \
    || grep -qiE 'fail|error' "$trabajo/mime.log"; then
  falla "update-mime-database rechaza $id.xml: $(cat "$trabajo/mime.log")"
fi
grep -q "^[0-9]*:$tipo:\*\.hrt$" "$prefijo/share/mime/globs2" 2>/dev/null \
  || falla "la base MIME no asocia *.hrt con $tipo"

# --- AppStream: valid, and about this program, its menu entry, file type and version.
appstreamcli validate --no-net "$metainfo" >"$trabajo/appstream.log" 2>&1 \
  || falla "appstreamcli rechaza $id.metainfo.xml: $(cat "$trabajo/appstream.log")"
for esperado in "<id>$id</id>" \
    "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
    "<mediatype>$tipo</mediatype>" \
    "<release version=\"$version\""; do
  grep -qF "$esperado" "$metainfo" 2>/dev/null || falla "$id.metainfo.xml no tiene $esperado"
done

# --- Icons: the SVG, every PNG at its own size, and the SVG in the window's resource file.
file -b "$prefijo/share/icons/hicolor/scalable/apps/$id.svg" 2>/dev/null | grep -q '^SVG' \
  || falla "falta el icono SVG share/icons/hicolor/scalable/apps/$id.svg"
for lado in 16 32 48 64 128 256; do
  png=$prefijo/share/icons/hicolor/${lado}x${lado}/apps/$id.png
  file -b "$png" 2>/dev/null | grep -q "^PNG image data, $lado x $lado," \
    || falla "share/icons/hicolor/${lado}x${lado}/apps/$id.png no es un PNG de $lado x $lado: $(file -b "$png" 2>&1)"
done
recurso=$(cd "$fuentes/paquete" && "$rcc" --list-mapping iconos.qrc 2>&1 | sed -n 's|^:/iconos/hortelia\.svg\t||p')
[ -n "$recurso" ] && cmp -s "$fuentes/paquete/$recurso" "$fuentes/paquete/$id.svg" \
  || falla "paquete/iconos.qrc no da el icono $id.svg como :/iconos/hortelia.svg"

# --- Debian package: named as Debian names it, under /usr, the same files as the install,
# dependencies from the libraries the programs link.
if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$trabajo/deb" >"$trabajo/cpack.log" 2>&1; then
  cat "$trabajo/cpack.log" >&2
  echo "FALLA: cpack -G DEB no terminó" >&2
  exit 1
fi
arquitectura=$(dpkg --print-architecture)
deb=$trabajo/deb/hortelia_${version}_${arquitectura}.deb
if [ ! -f "$deb" ]; then
  falla "cpack no hizo hortelia_${version}_${arquitectura}.deb: $(ls "$trabajo/deb")"
else
  campo() { dpkg-deb -f "$deb" "$1"; }
  [ "$(campo Package)" = hortelia ] || falla "Package: $(campo Package)"
  [ "$(campo Version)" = "$version" ] || falla "Version: $(campo Version) en lugar de $version"
  [ "$(campo Architecture)" = "$arquitectura" ] || falla "Architecture: $(campo Architecture)"
  [ "$(campo Section)" = science ] || falla "Section: $(campo Section)"
  campo Depends | tr ',' '\n' | awk '{print $1}' >"$trabajo/depende"
  for dependencia in libc6 libqt6widgets6 libqt6charts6 libqt6svg6; do
    grep -qx "$dependencia" "$trabajo/depende" || falla "Depends no nombra $dependencia: $(campo Depends)"
  done
  dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort >"$trabajo/contenido"
  sed 's|^|./usr/|' "$trabajo/instalados" | diff - "$trabajo/contenido" >"$trabajo/diferencia" \
    || falla "el paquete no tiene los mismos archivos que la instalación (< sólo instalado, > sólo en el paquete):
$(cat "$trabajo/diferencia")"
fi

if [ "$fallas" -gt 0 ]; then
  echo "$fallas comprobaciones fallaron" >&2
  exit 1
fi
echo "instalación y paquete de $id $version: bien"

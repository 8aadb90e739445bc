#!/usr/bin/env bash
# Checks that everything a build found on this machine would also be there on a fresh Debian 12
# machine that ran only scripts/deps.sh, whose installs leave recommended packages out:
#  - every CMake package the build found (NAME_DIR in CMakeCache.txt whose folder holds
#    NAMEConfig.cmake or name-config.cmake) and every library found through pkg-config
#    (pkgcfg_lib_*), by the Debian package that owns its file;
#  - every program of scripts/programas-de-prueba.txt, which must be installed, be owned by the
#    package the list names for it, and that package must come with deps.sh.
# "Comes with deps.sh" means: in the closure of deps.sh's list under Depends and Pre-Depends.
# The closure takes every alternative of an "a | b" dependency, so it errs on the lenient side.
#
#   comprueba_dependencias.sh BUILD_DIR [DEPS_SH [PROGRAM_LIST]]
#
# DEPS_SH and PROGRAM_LIST default to the project's own. Exit status: 0 all is well, 1 something
# does not come with deps.sh or cannot be checked (every such fault is listed), 2 wrong usage.
set -euo pipefail

raiz=$(cd "$(dirname "$0")/.." && pwd)
if [ $# -lt 1 ] || [ $# -gt 3 ]; then
  echo "uso: $0 CARPETA_DE_COMPILACIÓN [DEPS_SH [LISTA_DE_PROGRAMAS]]" >&2
  exit 2
fi
compilacion=$1
deps=${2:-$raiz/scripts/deps.sh}
lista=${3:-$raiz/scripts/programas-de-prueba.txt}
cache=$compilacion/CMakeCache.txt

fallos=0
falla() {
  echo "comprueba_dependencias: $*" >&2
  fallos=$((fallos + 1))
}
abandona() {
  echo "comprueba_dependencias: $*" >&2
  exit 1
}

for herramienta in apt-cache dpkg-query realpath; do
  command -v "$herramienta" >/dev/null || abandona "falta el programa $herramienta, sin el que no se puede comprobar nada"
done
for archivo in "$cache" "$deps" "$lista"; do
  [ -r "$archivo" ] || abandona "no se puede leer $archivo"
done

# The list, as deps.sh writes it: one array assignment from "paquetes=(" to the first ")".
mapfile -t paquetes < <(sed -n '/paquetes=(/,/)/p' "$deps" | sed 's/#.*//; s/paquetes=(//; s/)//' |
  tr -s ' \t' '\n' | sed '/^$/d')
[ ${#paquetes[@]} -gt 0 ] || abandona "$deps no tiene una lista paquetes=(...)"

# The closure: top-level lines of the recursive listing, virtual packages without their <>, and
# no architecture qualifiers (perl:any, libc6:i386).
# Breaks must stay out: qt6-base-dev declares "Breaks: libqt6opengl6-dev" (older versions), and
# with Breaks in the walk that package lands in the closure although nothing installs it, which
# hid exactly the missing package this check is here for. Conflicts, Replaces, Enhances, Suggests
# and Recommends are out for the same reason: apt-get install --no-install-recommends brings
# none of them.
arbol=$(apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts --no-breaks \
  --no-replaces --no-enhances "${paquetes[@]}") || abandona "apt-cache depends falló con la lista de $deps"
declare -A cierre=()
while IFS= read -r p; do
  cierre[$p]=1
done < <(grep -v '^[[:space:]]' <<<"$arbol" | tr -d '<>' | sed 's/:.*//' | sort -u)

# apt-cache leaves out, without a word, a name it does not know.
for p in "${paquetes[@]}"; do
  [ -n "${cierre[$p]:-}" ] ||
    falla "apt no conoce el paquete $p de $deps (¿mal escrito, o falta apt-get update?)"
done

# What to look up: a description, a file, and for a program the package the list names.
que=()
ruta=()
esperado=()
raiz_compilacion=$(realpath -m "$compilacion")
dentro() {  # whether $1 lies inside the source or the build tree (the project's own files)
  case $1 in "$raiz"/* | "$raiz_compilacion"/*) return 0 ;; *) return 1 ;; esac
}

paquetes_cmake=0
while IFS= read -r linea; do
  nombre=${linea%%_DIR:PATH=*}
  carpeta=${linea#*=}
  [ -d "$carpeta" ] || continue
  if [ -f "$carpeta/${nombre}Config.cmake" ]; then
    configuracion=$carpeta/${nombre}Config.cmake
  elif [ -f "$carpeta/${nombre,,}-config.cmake" ]; then
    configuracion=$carpeta/${nombre,,}-config.cmake
  else
    continue  # a find_path result or a folder variable, not a package
  fi
  dentro "$(realpath -m "$configuracion")" && continue
  que+=("el paquete de CMake $nombre ($configuracion)")
  ruta+=("$configuracion")
  esperado+=("")
  paquetes_cmake=$((paquetes_cmake + 1))
done < <(grep -E '^[A-Za-z0-9_.+-]+_DIR:PATH=' "$cache")

bibliotecas=0
while IFS= read -r linea; do
  biblioteca=${linea#*=}
  [ -e "$biblioteca" ] || continue
  dentro "$(realpath -m "$biblioteca")" && continue
  que+=("la biblioteca de pkg-config ${linea%%:FILEPATH=*} ($biblioteca)")
  ruta+=("$biblioteca")
  esperado+=("")
  bibliotecas=$((bibliotecas + 1))
done < <(grep -E '^pkgcfg_lib_[A-Za-z0-9_.+-]+:FILEPATH=/' "$cache")

programas=0
while read -r programa paquete resto; do
  case $programa in "" | "#"*) continue ;; esac
  programas=$((programas + 1))
  if [ -z "$paquete" ] || [ -n "$resto" ]; then
    falla "$lista: la línea de $programa debe decir PROGRAMA PAQUETE"
    continue
  fi
  donde=$(command -v "$programa" || true)
  if [[ $donde != /* ]]; then
    falla "falta el programa $programa, que las pruebas usan: lo trae el paquete $paquete, que $deps debe instalar"
    continue
  fi
  que+=("el programa $programa ($donde)")
  ruta+=("$donde")
  esperado+=("$paquete")
done <"$lista"

# dpkg knows a file by the name its package ships it under: not through an alternative's link
# (/usr/bin/c++), and with merged /usr either as /lib/... or as /usr/lib/... So each file is
# looked up as given, then as its real path, each with and without /usr in front.
candidatas() {
  local c real
  real=$(realpath -e "$1" 2>/dev/null || echo "$1")
  for c in "$1" "$real"; do
    echo "$c"
    case $c in
      /usr/bin/* | /usr/sbin/* | /usr/lib*/*) echo "${c#/usr}" ;;
      /bin/* | /sbin/* | /lib*/*) echo "/usr$c" ;;
    esac
  done
}
todas=()
for r in "${ruta[@]}"; do
  mapfile -t -O ${#todas[@]} todas < <(candidatas "$r")
done
# One query for all of them (dpkg reads its whole database each time). Lines are
# "pkg1, pkg2:amd64: /path"; diversions are reported on lines of their own.
declare -A duenos=()
if [ ${#todas[@]} -gt 0 ]; then
  while IFS= read -r linea; do
    case $linea in "diversion "*) continue ;; esac
    duenos[${linea#*: }]=${linea%%: *}
  done < <(dpkg-query -S "${todas[@]}" 2>/dev/null || true)
fi

for i in "${!ruta[@]}"; do
  lista_duenos=""
  while IFS= read -r c; do
    if [ -n "${duenos[$c]:-}" ]; then
      lista_duenos=${duenos[$c]}
      break
    fi
  done < <(candidatas "${ruta[$i]}")
  if [ -z "$lista_duenos" ]; then
    falla "${que[$i]} no es de ningún paquete Debian: se instaló a mano y una máquina nueva no lo tendrá"
    continue
  fi
  nombres=()
  en_la_lista=""
  IFS=',' read -ra partes <<<"$lista_duenos"
  for d in "${partes[@]}"; do
    d=${d# }
    d=${d%%:*}
    nombres+=("$d")
    [ -n "${cierre[$d]:-}" ] && en_la_lista=$d
  done
  if [ -n "${esperado[$i]}" ] && [[ " ${nombres[*]} " != *" ${esperado[$i]} "* ]]; then
    falla "${que[$i]} es de ${nombres[*]}, no de ${esperado[$i]} como dice $lista"
  elif [ -z "$en_la_lista" ]; then
    falla "${que[$i]} es de ${nombres[*]// / o }, que no está en $deps ni lo trae ninguno de sus paquetes: agregue ${nombres[0]} a paquetes=(...)"
  fi
done

if [ "$fallos" -gt 0 ]; then
  [ "$fallos" -eq 1 ] && cuantas="1 falla" || cuantas="$fallos fallas"
  echo "comprueba_dependencias: $cuantas; una máquina Debian 12 nueva no tendría lo que esta compilación y sus pruebas usan" >&2
  exit 1
fi
echo "dependencias: $paquetes_cmake paquetes de CMake, $bibliotecas bibliotecas de pkg-config y $programas programas de prueba vienen con los ${#paquetes[@]} paquetes de deps.sh"

#!/usr/bin/env bash
# End to end: the real program under a private X server, driven from the keyboard and the
# mouse as a user would. It goes through the ten panels (changing a few values on the way),
# processes the day, saves the scenario and the data sheet's text, leaves with "Salir", then
# runs hortelia-sim on the saved scenario: the hourly table and the totals of both texts must
# agree to the digit.
#
#   extremo_a_extremo.sh HORTELIA HORTELIA-SIM
#
# Every wait polls for a window, a file or the end of a process, and gives up after a bound.
# A program of scripts/programas-de-prueba.txt that is not installed fails the test.
set -euo pipefail

programa=$(realpath "$1")
simulador=$(realpath "$2")
limite=${HORTELIA_E2E_ESPERA:-30}  # seconds for each wait

# The programs the tests start must all be there.
source "$(dirname "$0")/../support/programas.sh"
comprueba_programas

trabajo=$(mktemp -d "${TMPDIR:-/tmp}/hortelia-e2e.XXXXXX")
xvfb_pid=""
app_pid=""
# Ends a process of ours: TERM, then KILL if it is still there after two seconds (an X server
# that is still starting may miss the TERM).
para() {
  local pid=$1
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || return 0
  for _ in $(seq 20); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -KILL "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}
termina() {
  local estado=$?
  para "$app_pid"
  para "$xvfb_pid"
  if [ "$estado" -ne 0 ]; then
    echo "--- salida del programa ---"
    cat "$trabajo/programa.log" 2>/dev/null || true
    echo "--- salida de Xvfb ---"
    cat "$trabajo/xvfb.log" 2>/dev/null || true
    echo "(archivos de trabajo en $trabajo)"
  else
    rm -rf "$trabajo"
  fi
}
trap termina EXIT
trap 'exit 143' TERM INT HUP

falla() {
  echo "FALLA: $*" >&2
  # A picture of the screen helps when one is at hand.
  if command -v import >/dev/null && [ -n "${DISPLAY:-}" ]; then import -window root "$trabajo/pantalla.png" 2>/dev/null || true; fi
  exit 1
}

# xdotool, never for longer than a wait (a --sync that is never met would hang).
xdo() { timeout "$limite" xdotool "$@"; }

# Polls COMMAND until it succeeds, for at most $limite seconds.
espera() {
  local que=$1
  shift
  local fin=$((SECONDS + limite))
  until "$@"; do
    [ $SECONDS -lt $fin ] || falla "después de $limite s: $que"
    [ -z "$app_pid" ] || kill -0 "$app_pid" 2>/dev/null || falla "el programa terminó antes de tiempo ($que)"
    sleep 0.1
  done
}

# A private display: the server picks a free number and writes it to a descriptor. With
# -noreset it does not start over when its last client leaves: the program started a second
# time would otherwise find no server while it resets.
mkfifo "$trabajo/pantalla"
Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp -noreset 3>"$trabajo/pantalla" >"$trabajo/xvfb.log" 2>&1 &
xvfb_pid=$!
numero=""
read -r -t "$limite" numero <"$trabajo/pantalla" || true
[ -n "$numero" ] || falla "Xvfb no dio un número de pantalla"
export DISPLAY=":$numero"

# Qt's own file dialog (no desktop theme), the X platform, no session leftovers.
export QT_QPA_PLATFORM=xcb QT_QPA_PLATFORMTHEME="" QT_STYLE_OVERRIDE=Fusion
export XDG_RUNTIME_DIR="$trabajo/run" HOME="$trabajo"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# The program works in an empty folder: its file dialog opens there, so a plain name is typed.
salida="$trabajo/salida"
mkdir "$salida"
(cd "$salida" && exec "$programa") >"$trabajo/programa.log" 2>&1 &
app_pid=$!

# The main window's title carries the scenario's file name and a "*" while it has unsaved changes.
principal='Hortelia( — .*)?[*]?'
ventana() {  # the id of the visible window of the program whose whole title matches $1, if any
  xdo search --all --onlyvisible --pid "$app_pid" --name "^$1\$" 2>/dev/null | head -n 1
}
aparece() { [ -n "$(ventana "$1")" ]; }
desaparece() { [ -z "$(ventana "$1")" ]; }
enfoca() {
  local w
  w=$(ventana "$1")
  xdo windowfocus --sync "$w" 2>/dev/null || falla "no se pudo enfocar la ventana $1"
}
teclas() { xdo key --clearmodifiers --delay 40 "$@"; }
# Bars and buttons answer the key at once; a mnemonic of a lone button clicks it a little
# later (Qt animates the press), so the next key waits for that.
pausa() { sleep 0.5; }
no_vacio() { [ -s "$1" ]; }

# The file dialog: the name typed over the proposed one, then Enter. Without a window manager
# the focus goes nowhere when a dialog closes, so it is given back to the window that had it.
guarda_como() {
  local nombre=$1 vuelve=$2
  local ruta="$salida/$nombre"
  espera "el diálogo Guardar" aparece Guardar
  enfoca Guardar
  pausa
  teclas ctrl+a
  xdo type --delay 15 "$nombre"
  teclas Return
  espera "el diálogo Guardar se cierra" desaparece Guardar
  espera "el archivo $ruta" no_vacio "$ruta"
  enfoca "$vuelve"
}

espera "la ventana principal" aparece "$principal"
enfoca "$principal"

# Start frame; the roof panel from its side button, which has the focus.
teclas alt+i
pausa
teclas space alt+a
# Dimensions from the next side button: width 9 m, length 40 m.
teclas Tab space ctrl+a 9 Tab ctrl+a 4 0 alt+a
# The rest from the Datos menu.
teclas alt+d i e m alt+a
teclas alt+d i e v alt+h alt+a
# Heating: efficiency 65 % -> 70 %.
teclas alt+d i c Right Right Right Right Right alt+a
teclas alt+d c alt+a
# Temperature: maximum 35 C -> 30 C.
teclas alt+d m t Next Next Next Next Next alt+a
teclas alt+d m h alt+a
# Radiation: latitude 31.5 -> 35 (the bar counts half degrees).
teclas alt+d m r Right Right Right Right Right Right Right alt+a
teclas alt+d m v alt+a
# Processing, then the scenario from the results frame's "&Guarda".
teclas alt+p
pausa
teclas alt+g
guarda_como escenario.hrt "$principal"
# The data sheet and its own "&Guarda".
teclas alt+p
espera "la planilla de datos" aparece "Planilla de resultados"
enfoca "Planilla de resultados"
pausa
teclas alt+g
guarda_como planilla.txt "Planilla de resultados"
teclas alt+c
espera "la planilla se cierra" desaparece "Planilla de resultados"

# "&Salir" with the mouse: the bottom of the side column, above the status bar.
geometria=$(xdo getwindowgeometry --shell "$(ventana "$principal")")
alto=$(sed -n 's/^HEIGHT=//p' <<<"$geometria")
x0=$(sed -n 's/^X=//p' <<<"$geometria")
y0=$(sed -n 's/^Y=//p' <<<"$geometria")
xdo mousemove --sync $((x0 + 60)) $((y0 + alto - 50)) click 1
sale() { ! kill -0 "$app_pid" 2>/dev/null; }
espera "Salir termina el programa" sale
estado=0
wait "$app_pid" || estado=$?
app_pid=""
[ "$estado" -eq 0 ] || falla "el programa terminó con estado $estado"

# The same scenario through the batch tool.
"$simulador" "$salida/escenario.hrt" >"$trabajo/simulador.txt" || falla "hortelia-sim rechazó el escenario guardado"

tabla() {  # the 24 hourly rows and the totals line of an export text
  grep -E $'^([0-9]+\t|Totales\t)' "$1"
}
tabla "$salida/planilla.txt" >"$trabajo/planilla.tabla"
tabla "$trabajo/simulador.txt" >"$trabajo/simulador.tabla"
[ "$(grep -c $'^[0-9]' "$trabajo/planilla.tabla")" -eq 24 ] || falla "la planilla guardada no tiene 24 filas horarias"
grep -q $'^Totales\t' "$trabajo/planilla.tabla" || falla "la planilla guardada no tiene la línea de totales"
diff -u "$trabajo/planilla.tabla" "$trabajo/simulador.tabla" || falla "la planilla de la ventana y la de hortelia-sim difieren"

# The values typed on the way reached the record, the file and both texts: the window's text
# repeats its sheet (the panels' captions), hortelia-sim's the captions a loaded file shows.
for linea in "Suelo cubierto = 360 m2" "Eficiencia =  70 %" "Temp. Máxima =  30 C" "Latitud =  35°"; do
  grep -qxF "$linea" "$salida/planilla.txt" || falla "la planilla no dice \"$linea\""
done
for linea in "Suelo cubierto = 360 m2" "Eficiencia =  70 %" "Temp. Máxima=  30 C" "Latitud=  35°"; do
  grep -qxF "$linea" "$trabajo/simulador.txt" || falla "hortelia-sim no dice \"$linea\""
done

# The saved scenario named on the command line, as a file manager opens it: the window comes
# up with its name; past the start frame, Ctrl+Q leaves at once (nothing changed).
(cd "$salida" && exec "$programa" escenario.hrt) >"$trabajo/programa.log" 2>&1 &
app_pid=$!
espera "la ventana con el escenario abierto" aparece 'Hortelia — escenario\.hrt'
enfoca 'Hortelia — escenario\.hrt'
teclas alt+i
pausa
teclas ctrl+q
espera "Ctrl+Q termina el programa" sale
app_pid=""
echo "extremo a extremo: 24 horas y totales iguales en la ventana y en hortelia-sim; el escenario abre desde la línea de órdenes"

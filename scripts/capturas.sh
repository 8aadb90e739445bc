#!/usr/bin/env bash
# The README's pictures, made again from the program as it is: builds hortelia-capturas and
# runs it offscreen into docs/capturas/. Run it after a change that shows on screen, and
# commit the pictures with the change.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target hortelia-capturas
QT_QPA_PLATFORM=offscreen build/docs/capturas/hortelia-capturas docs/capturas
# The same window with fonts at 144 dpi, as on a high-density screen.
QT_QPA_PLATFORM=offscreen QT_FONT_DPI=144 build/docs/capturas/hortelia-capturas docs/capturas/144ppp \
  radiacion resultados-1920x1080

#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Hortelia need,
# only those that are missing. Debian 12.
set -euo pipefail
paquetes=(build-essential cmake ninja-build pkg-config
  qt6-base-dev libqt6opengl6-dev qt6-charts-dev qt6-translations-l10n qt6-svg-dev libgl-dev
  googletest libgtest-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xauth xdotool fonts-dejavu-core
  libxlsxwriter-dev
  desktop-file-utils appstream poppler-utils unzip file dpkg-dev
  locales)
faltan=()
for p in "${paquetes[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || faltan+=("$p")
done
[ ${#faltan[@]} -eq 0 ] && exit 0
echo "Instalando: ${faltan[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${faltan[@]}"

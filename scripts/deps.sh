#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Hortelia need,
# only those that are missing, and generates the es_ES.UTF-8 locale. Debian 12.
set -euo pipefail
paquetes=(build-essential cmake ninja-build pkg-config
  qt6-base-dev libqt6opengl6-dev qt6-charts-dev qt6-translations-l10n qt6-svg-dev libgl-dev
  googletest libgtest-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-tidy
  xvfb xauth xdotool fonts-dejavu-core
  libxlsxwriter-dev zlib1g-dev
  desktop-file-utils appstream shared-mime-info poppler-utils unzip libxml2-utils file dpkg-dev
  locales)
faltan=()
for p in "${paquetes[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || faltan+=("$p")
done
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if [ ${#faltan[@]} -gt 0 ]; then
  echo "Instalando: ${faltan[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${faltan[@]}"
fi

# The Spanish locale, which tests of number formatting switch to. Enabled in /etc/locale.gen
# (so that a later locale-gen keeps it) and generated.
if ! locale -a | grep -qx 'es_ES\.utf8'; then
  echo "Generando la configuración regional es_ES.UTF-8"
  if grep -q '^# *es_ES\.UTF-8 UTF-8' /etc/locale.gen; then
    $sudo sed -i 's/^# *\(es_ES\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  elif ! grep -q '^es_ES\.UTF-8 UTF-8' /etc/locale.gen; then
    echo 'es_ES.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  fi
  $sudo locale-gen >/dev/null
fi

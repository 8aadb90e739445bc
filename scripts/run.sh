#!/usr/bin/env bash
# Builds Hortelia and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target hortelia
exec build/hortelia "$@"

#!/usr/bin/env bash
# Builds Hortelia and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
# Whatever scripts/test.sh left in build/: warnings do not stop the build, and the tests and
# benchmarks are built only when their libraries are there.
cmake --preset default -DHORTELIA_WERROR=OFF -DHORTELIA_TESTS=AUTO -DHORTELIA_BENCH=AUTO >/dev/null
cmake --build --preset default --target hortelia
exec build/hortelia "$@"

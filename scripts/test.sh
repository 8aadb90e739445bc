#!/usr/bin/env bash
# Sets the machine up (scripts/deps.sh), builds everything and runs every test: a check that
# deps.sh brings everything the build found; the core and window tests; the fuzzer of the
# scenario reader for a bounded time; then the core and window tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
jobs=$(nproc)

cmake --preset default >/dev/null
cmake --build --preset default -j "$jobs"
# What this build found and the programs the tests start must come with deps.sh's packages,
# or a fresh machine would stop where this one did not.
scripts/comprueba_dependencias.sh build
ctest --preset default -j "$jobs"

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$jobs"
fuzz/ejecuta.sh 45

cmake --preset sanitizers >/dev/null
cmake --build --preset sanitizers -j "$jobs"
ctest --preset sanitizers -j "$jobs"

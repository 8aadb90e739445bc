#!/usr/bin/env bash
# Builds everything and runs every test: the core and window tests; the fuzzer of the
# scenario reader for a bounded time; then the core and window tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
jobs=$(nproc)

cmake --preset default >/dev/null
cmake --build --preset default -j "$jobs"
ctest --preset default -j "$jobs"

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$jobs"
fuzz/ejecuta.sh 45

cmake --preset sanitizers >/dev/null
cmake --build --preset sanitizers -j "$jobs"
ctest --preset sanitizers -j "$jobs"

#!/usr/bin/env bash
# Runs the scenario-reader fuzzer for a bounded time from our seed corpus and then the
# regression cases it has found before. A crash, a sanitizer report or a hang fails.
set -euo pipefail
cd "$(dirname "$0")/.."
segundos=${1:-45}
objetivo=build-fuzz/fuzz/fuzz_escenario
trabajo=$(mktemp -d)
trap 'rm -rf "$trabajo"' EXIT
cp fuzz/corpus/* tests/data/*.hrt "$trabajo"/
"$objetivo" -max_total_time="$segundos" -timeout=5 -rss_limit_mb=1024 -print_final_stats=1 \
  -artifact_prefix=fuzz/regresiones/ "$trabajo" 2>&1 | tail -n 12
# Regression inputs found earlier run once each; one that hangs fails like in the run above.
if compgen -G "fuzz/regresiones/*" >/dev/null; then "$objetivo" -timeout=5 fuzz/regresiones/*; fi

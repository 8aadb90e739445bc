#!/usr/bin/env bash
# Sets the machine up (scripts/deps.sh), builds everything and runs every test: a check that
# deps.sh brings everything the build found; the core and window tests; clang-tidy on the core;
# the fuzzers of the readers for a bounded time shared among them; then the core and window tests
# again under AddressSanitizer and UndefinedBehaviorSanitizer. Every build treats a warning as an error.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
jobs=$(nproc)

# The tests and the benchmarks asked for, so that a missing library fails here.
cmake --preset default -DHORTELIA_WERROR=ON -DHORTELIA_TESTS=ON -DHORTELIA_BENCH=ON >/dev/null
cmake --build --preset default -j "$jobs"
# What this build found and the programs the tests start must come with deps.sh's packages,
# or a fresh machine would stop where this one did not.
scripts/comprueba_dependencias.sh build
ctest --preset default -j "$jobs"

# The core (numeros..results and the batch tool) under the checks that .clang-tidy names, with
# this build's compile commands; .clang-tidy makes every finding an error. clang-tidy ignores a
# name it does not know, so a misspelt one would turn its check off without a word: every name
# there must be one that this clang-tidy lists.
conocidos=$(clang-tidy --list-checks -checks='*' | sed -n 's/^ \+//p')
for nombre in $(sed -n '/^Checks:/,/^[A-Za-z]/p' .clang-tidy | grep -E '^ +-?[a-z]' | tr -d ' ,' | sed 's/^-//'); do
  case $nombre in
  *'*') grep -q "^${nombre%'*'}" <<<"$conocidos" ;;
  *) grep -qFx "$nombre" <<<"$conocidos" ;;
  esac || { echo "test.sh: clang-tidy no conoce el control $nombre de .clang-tidy" >&2; exit 1; }
done
run-clang-tidy -quiet -j "$jobs" -p build 'src/(numeros|scenario|greenhouse|weather|engine|results|cli)/[^/]+\.cpp$'

cmake --preset fuzz -DHORTELIA_WERROR=ON >/dev/null
cmake --build --preset fuzz -j "$jobs"
fuzz/ejecuta.sh 45

# The program and its tests again, without what the first pass already checked (the pictures'
# tool, the package, the lists of packages).
cmake --preset sanitizers -DHORTELIA_WERROR=ON -DHORTELIA_TESTS=ON >/dev/null
cmake --build --preset sanitizers -j "$jobs"
ctest --preset sanitizers -j "$jobs"

#!/usr/bin/env bash
# Installs what is missing, builds from a clean tree and runs every test;
# then builds again with AddressSanitizer and UndefinedBehaviorSanitizer and
# runs every test once more. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh

jobs=$(nproc)
run_suite() {
  local dir=$1; shift
  rm -rf "$dir"
  cmake -S . -B "$dir" -G Ninja -DZO_WERROR=ON "$@"
  cmake --build "$dir" -j "$jobs"
  (cd "$dir" && ctest --output-on-failure -j "$jobs")
}

echo "== Build and test =="
run_suite build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo

echo "== Build and test with AddressSanitizer and UndefinedBehaviorSanitizer =="
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run_suite build-asan -DCMAKE_BUILD_TYPE=Debug -DZO_SANITIZE=ON -DZO_BUILD_BENCH=OFF

echo "All tests passed."

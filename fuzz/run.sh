#!/usr/bin/env bash
# Fuzzes every target in fuzz/ (or the ones named) for SECONDS each with
# libFuzzer: builds them with clang in build-fuzz/, the program's libraries
# instrumented for coverage and ASan and UBSan on, starts from the checked-in
# corpus and prints per target the inputs run, the coverage edges reached and
# the crashes found. New inputs go to build-fuzz/corpus/TARGET, crashing ones
# to build-fuzz/artifacts/TARGET. Exits 1 when any target crashed.
#
#   fuzz/run.sh SECONDS [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -lt 1 ] || ! [[ $1 =~ ^[0-9]+$ ]]; then
  echo "usage: fuzz/run.sh SECONDS [TARGET...]" >&2
  exit 2
fi
seconds=$1
shift
if [ $# -gt 0 ]; then
  targets=("$@")
else
  targets=()
  for f in fuzz/fuzz_*.cpp; do targets+=("$(basename "$f" .cpp)"); done
fi

scripts/deps.sh clang libclang-rt-dev

build=build-fuzz
CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZO_FUZZ=ON \
  -DZO_BUILD_QT=OFF -DZO_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target zo_resources "${targets[@]}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

report=()
failed=0
for t in "${targets[@]}"; do
  work="$build/corpus/$t"
  artifacts="$build/artifacts/$t"
  log="$build/logs/$t.log"
  mkdir -p "$work" "$artifacts" "$(dirname "$log")"
  seeds=()
  [ -d "fuzz/corpus/$t" ] && seeds=("fuzz/corpus/$t")
  echo "== $t: $seconds s"
  status=0
  "$build/fuzz/$t" -max_total_time="$seconds" -print_final_stats=1 -timeout=30 -rss_limit_mb=4096 \
    -artifact_prefix="$artifacts/" "$work" "${seeds[@]}" >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  edges=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  crashes=$(find "$artifacts" -type f | wc -l)
  if [ "$status" -ne 0 ] || [ "$crashes" -gt 0 ]; then
    failed=1
    tail -n 40 "$log"
  fi
  report+=("$(printf '%-24s %12s %8s %8s' "$t" "${runs:-?}" "${edges:-?}" "$crashes")")
done

printf '\n%-24s %12s %8s %8s\n' target runs edges crashes
printf '%s\n' "${report[@]}"
[ "$failed" -eq 0 ] || echo "Crashing inputs are in $build/artifacts/; logs in $build/logs/."
exit "$failed"

#!/usr/bin/env bash
# Builds the fuzzers (preset fuzz, clang with libFuzzer, ASan and UBSan) and
# runs each for SECONDS (60 unless given): fuzz.sh [SECONDS]
#
# Each starts from its committed seeds in fuzz/corpus/<target> and keeps what
# it finds new in build/fuzz/corpus/<target>, so that later runs go on from
# there. An input that breaks a property or crashes is saved as
# build/fuzz/artifacts/<target>/crash-*, and the script fails.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}

bash tools/setup.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

for source in fuzz/*_fuzzer.cpp; do
  target=$(basename "$source" .cpp)
  found=build/fuzz/corpus/$target
  artifacts=build/fuzz/artifacts/$target
  mkdir -p "$found" "$artifacts"
  log=build/fuzz/$target.log
  echo "== $target, ${seconds} s =="
  if ! build/fuzz/fuzz/"$target" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$artifacts/" "$found" "fuzz/corpus/$target" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "fuzz: $target failed, the input is in $artifacts (full output: $log)" >&2
    exit 1
  fi
  grep -E '^(#[0-9]+[[:space:]]+DONE|stat::(number_of_executed_units|average_exec_per_sec|new_units_added))' "$log"
done

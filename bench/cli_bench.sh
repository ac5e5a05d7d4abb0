#!/usr/bin/env bash
# Times macbatch-cli making a million distinct vendor-prefixed addresses against
# a plain shell pipeline that formats a million random addresses (with no
# prefixes and no check for repeats), and reports macbatch-cli's peak memory.
#
# Usage: cli_bench.sh PATH/TO/macbatch-cli   (a Release build)
set -euo pipefail

cli=${1:?usage: cli_bench.sh PATH/TO/macbatch-cli}
count=1000000
runs=5

seconds_of() {
  local start end
  start=$(date +%s.%N)
  "$@" >/dev/null
  end=$(date +%s.%N)
  awk -v a="$start" -v b="$end" 'BEGIN { printf "%.6f", b - a }'
}

# The best of several runs: the least disturbed by whatever else the machine does.
best_of() {
  local best= time
  for _ in $(seq "$runs"); do
    time=$(seconds_of "$@")
    if [[ -z $best ]] || awk -v t="$time" -v b="$best" 'BEGIN { exit !(t < b) }'; then best=$time; fi
  done
  echo "$best"
}

shell_pipeline() {
  head -c $((6 * count)) /dev/urandom | od -An -v -tx1 -w6 | sed 's/^ //; s/ /:/g'
}

# The pipeline really makes a million colon addresses.
lines=$(shell_pipeline | grep -cE '^([0-9a-f]{2}:){5}[0-9a-f]{2}$')
[[ $lines == "$count" ]] || { echo "the shell pipeline made $lines addresses" >&2; exit 1; }

cli_seconds=$(best_of "$cli" -n "$count")
shell_seconds=$(best_of shell_pipeline)
peak_kb=$(/usr/bin/time -f %M "$cli" -n "$count" 2>&1 >/dev/null)

printf 'macbatch-cli -n %d:   %.3f s (best of %d)\n' "$count" "$cli_seconds" "$runs"
printf 'shell pipeline:          %.3f s (best of %d)\n' "$shell_seconds" "$runs"
printf 'ratio shell / cli:       %.1f\n' "$(awk -v s="$shell_seconds" -v c="$cli_seconds" 'BEGIN { print s / c }')"
printf 'macbatch-cli peak memory: %d KB\n' "$peak_kb"

#!/usr/bin/env bash
# Drives the built macbatch-cli as a shell user would: exit codes, standard
# streams, a closed pipe, the help, and -o's whole-or-nothing file.
#
# Usage: cli_process_test.sh PATH/TO/macbatch-cli
set -u

cli=${1:?usage: cli_process_test.sh PATH/TO/macbatch-cli}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# expect_exit CODE ARGS...: runs the program, keeping its streams in $work/out and $work/err.
expect_exit() {
  local expected=$1
  shift
  "$cli" "$@" >"$work/out" 2>"$work/err"
  local actual=$?
  [[ $actual == "$expected" ]] || fail "$* exited with $actual, not $expected: $(head -c 300 "$work/err")"
}

# Exit codes and which stream says what.
expect_exit 0 -n 3
[[ $(wc -l <"$work/out") == 3 && ! -s $work/err ]] || fail "-n 3 printed $(wc -l <"$work/out") lines"
expect_exit 0 -n 0
[[ ! -s $work/out && ! -s $work/err ]] || fail "-n 0 printed something"
expect_exit 1 --oui 00:11:22 -n 16777217
[[ ! -s $work/out ]] || fail "a count beyond the pool printed addresses"
grep -q "^macbatch-cli: error: cannot make 16777217 distinct addresses" "$work/err" || fail "no error for the count"
expect_exit 1 --vendor "no organisation is called this"
expect_exit 2 -n -1
grep -q "^macbatch-cli: error: --count: '-1' is not a count" "$work/err" || fail "-n -1: $(cat "$work/err")"
expect_exit 2 --oui ZZ:00:11
grep -q "^macbatch-cli: error: --oui: 'ZZ:00:11' is not a prefix" "$work/err" || fail "--oui: $(cat "$work/err")"
expect_exit 2 --no-such-option
[[ ! -s $work/out ]] || fail "a usage error printed to standard output"

# --help and --version on standard output.
expect_exit 0 --help
grep -q "^Examples:" "$work/out" && grep -q "macbatch-cli --lookup" "$work/out" || fail "--help shows no examples"
[[ ! -s $work/err ]] || fail "--help wrote to standard error"
expect_exit 0 --version
grep -Eq "^macbatch-cli [0-9]" "$work/out" || fail "--version printed $(cat "$work/out")"

# A reader that stops early ends the program quietly.
"$cli" -n 100000000 2>"$work/err" | head -n 3 >"$work/out"
statuses=("${PIPESTATUS[@]}")
[[ ${statuses[0]} == 0 && ${statuses[1]} == 0 ]] || fail "| head -n 3 gave statuses ${statuses[*]}"
[[ $(wc -l <"$work/out") == 3 && ! -s $work/err ]] || fail "| head -n 3: $(cat "$work/err")"

# A device that is full is an error.
if [[ -w /dev/full ]]; then
  "$cli" -n 100000 >/dev/full 2>"$work/err"
  [[ $? == 1 ]] && grep -q "^macbatch-cli: error: write error" "$work/err" || fail "/dev/full: $(cat "$work/err")"
fi

# Line ends: LF by default here, CR LF on request, as the window's copy.
expect_exit 0 --seed 1 -n 2 --joined --wrap --crlf
prefix=$':global macs\r\n:set macs []\r\n:set []'
[[ $(head -c ${#prefix} "$work/out") == "$prefix" ]] || fail "--crlf prefix: $(head -c ${#prefix} "$work/out" | od -c)"
[[ $(tail -c 19 "$work/out") == $'")\r\n:local vindex 0' ]] || fail "--crlf suffix: $(tail -c 19 "$work/out" | od -c)"

# -o writes the file whole, replaces an older one, and leaves nothing else.
mkdir "$work/files"
echo "older" >"$work/files/batch.txt"
expect_exit 0 --seed 3 -n 1000 -o "$work/files/batch.txt"
[[ $(wc -l <"$work/files/batch.txt") == 1000 && $(ls -A "$work/files") == batch.txt ]] || fail "-o did not write"
expect_exit 1 --oui 00:11:22 -n 16777217 -o "$work/files/batch.txt"
[[ $(wc -l <"$work/files/batch.txt") == 1000 && $(ls -A "$work/files") == batch.txt ]] || fail "-o spoilt the file"
expect_exit 1 -n 5 -o "$work/files/missing/batch.txt"
grep -q "cannot write '$work/files/missing/batch.txt'" "$work/err" || fail "-o missing folder: $(cat "$work/err")"
expect_exit 1 -n 5 -o "$work/files/batch.txt/inner.txt"
[[ $(ls -A "$work/files") == batch.txt ]] || fail "a failed -o left files behind: $(ls -A "$work/files")"

# Lookup from standard input.
printf '00:00:0C:12:34:56\n\n02:00:00:00:00:01\n' | "$cli" --lookup >"$work/out" 2>"$work/err"
[[ $? == 0 && $(sed -n 2p "$work/out") == $'02:00:00:00:00:01\tlocally administered' ]] || fail "lookup: $(cat "$work/out")"

# Every address of a prefix: done in time proportional to the count, no duplicates.
start=$(date +%s)
count=$("$cli" --oui 00:11:22 -n 16777216 --format bare | LC_ALL=C sort -u | wc -l)
[[ $count == 16777216 ]] || fail "every address of a prefix gave $count distinct ones"
(($(date +%s) - start < 90)) || fail "every address of a prefix took $(($(date +%s) - start)) s"

if ((failures > 0)); then
  echo "$failures failure(s)" >&2
  exit 1
fi
echo "all process checks passed"

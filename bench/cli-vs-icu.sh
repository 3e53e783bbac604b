#!/usr/bin/env bash
# The command line against ICU on one machine in one run: the same million random
# numbers through zefnaro-cli (JSON, text, and reading them back from Unicode
# numerals) and through an ICU program that writes only the English words. Prints
# the median of three runs of each and the ratios. Usage: bench/cli-vs-icu.sh [BUILD]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
build=${1:-build}
count=${ZEFNARO_BENCH_COUNT:-1000000}
cmake --build "$build" --target zefnaro-cli icu_peer bench_numbers >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/bin/bench_numbers" "$count" >"$work/numbers"
# The same numbers as Unicode numerals: line 20 of each 23-line report.
"$build/bin/zefnaro-cli" --unicode <"$work/numbers" | awk 'NR % 23 == 20' >"$work/numerals"

median() { # median COMMAND...: seconds, the middle of three runs
  local times=() t
  for _ in 1 2 3; do
    t=$( { TIMEFORMAT=%R; time "$@" >/dev/null 2>&1; } 2>&1)
    times+=("$t")
  done
  printf '%s\n' "${times[@]}" | sort -n | sed -n 2p
}

icu=$(median sh -c "'$build/bin/icu_peer' <'$work/numbers'")
json=$(median sh -c "'$build/bin/zefnaro-cli' --json <'$work/numbers'")
text=$(median sh -c "'$build/bin/zefnaro-cli' <'$work/numbers'")
back=$(median sh -c "'$build/bin/zefnaro-cli' --json <'$work/numerals'")
ratio() { awk -v a="$1" -v b="$icu" 'BEGIN { printf "%.2f", a / b }'; }
echo "$count numbers, median of three runs, output to /dev/null"
echo "ICU English spellout:               ${icu} s"
echo "zefnaro-cli --json:                 ${json} s  ($(ratio "$json") x ICU, target <= 0.5)"
echo "zefnaro-cli (text):                 ${text} s  ($(ratio "$text") x ICU, target <= 0.35)"
echo "zefnaro-cli --json, Unicode numerals: ${back} s  ($(ratio "$back") x ICU, target <= 0.9)"

#!/usr/bin/env bash
# The event fuzzer against the one of commit 64ef378 (before it was made fast), on the same
# fixed inputs: CPU time (user + system) of each running every input of a folder five times
# (so that the clock's 10 ms steps do not matter), in turn, ROUNDS times; prints the medians
# and their ratio.
#
#   bench/fuzz_vs_earlier.sh [ROUNDS] [FOLDER...]     default: 7 rounds over fuzz/seeds
#
# Builds the earlier fuzzer once in build-fuzz-64ef378 (from git, with clang like build-fuzz)
# and the current one in build-fuzz.
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-7}
shift || true
folders=("$@")
[ ${#folders[@]} -eq 0 ] && folders=(fuzz/seeds)

earlier=build-fuzz-64ef378
if [ ! -x "$earlier/build/event_fuzzer" ]; then
  mkdir -p "$earlier/src"
  git archive 64ef378 | tar -x -C "$earlier/src"
  cmake -S "$earlier/src/fuzz" -B "$earlier/build" -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
  cmake --build "$earlier/build" -j2 >/dev/null
fi
cmake -S fuzz -B build-fuzz -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
cmake --build build-fuzz -j2 >/dev/null

cpu() {  # FUZZER FOLDER: CPU seconds over every input of the folder
  local t
  t=$(mktemp)
  /usr/bin/time -f "%U %S" -o "$t" "$1" -runs=5 "$2"/* >/dev/null 2>&1
  awk '{printf "%.3f\n", $1 + $2}' "$t"
  rm -f "$t"
}
median() { sort -n | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }

for folder in "${folders[@]}"; do
  old=() new=()
  for _ in $(seq "$rounds"); do
    old+=("$(cpu "$earlier/build/event_fuzzer" "$folder")")
    new+=("$(cpu build-fuzz/event_fuzzer "$folder")")
  done
  o=$(printf '%s\n' "${old[@]}" | median)
  n=$(printf '%s\n' "${new[@]}" | median)
  echo "$folder ($(ls "$folder" | wc -l) inputs): earlier ${o} s, now ${n} s, $(awk -v o="$o" -v n="$n" 'BEGIN {printf "%.1f", o / n}') times faster"
done

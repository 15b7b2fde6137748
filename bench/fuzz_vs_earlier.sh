#!/usr/bin/env bash
# The event fuzzer against the one of commit 64ef378 (before it was made fast), on the same
# fixed inputs: CPU time (user + system) of each running every input of a folder five times
# (so that the clock's 10 ms steps do not matter), in turn, ROUNDS times; prints the medians
# and their ratio.
#
#   bench/fuzz_vs_earlier.sh [ROUNDS] [FOLDER...]     default: 7 rounds over fuzz/seeds
#   CONTROL=COMMIT bench/fuzz_vs_earlier.sh ...         and the fuzzer of COMMIT in the same rounds,
#                                                       to tell the machine's drift from a change
#
# Builds the earlier fuzzer once in build-fuzz-64ef378 (from git, with clang like build-fuzz),
# a control likewise in build-fuzz-COMMIT, and the current one in build-fuzz.
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-7}
shift || true
folders=("$@")
[ ${#folders[@]} -eq 0 ] && folders=(fuzz/seeds)

build_at() {  # COMMIT: builds that commit's fuzzer once, in build-fuzz-COMMIT/build
  local dir=build-fuzz-$1
  if [ ! -x "$dir/build/event_fuzzer" ]; then
    mkdir -p "$dir/src"
    git archive "$1" | tar -x -C "$dir/src"
    cmake -S "$dir/src/fuzz" -B "$dir/build" -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
    cmake --build "$dir/build" -j2 >/dev/null
  fi
}
earlier=build-fuzz-64ef378
build_at 64ef378
control=${CONTROL:-}
[ -n "$control" ] && build_at "$control"
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
  old=() new=() ctl=()
  for _ in $(seq "$rounds"); do
    old+=("$(cpu "$earlier/build/event_fuzzer" "$folder")")
    [ -n "$control" ] && ctl+=("$(cpu "build-fuzz-$control/build/event_fuzzer" "$folder")")
    new+=("$(cpu build-fuzz/event_fuzzer "$folder")")
  done
  o=$(printf '%s\n' "${old[@]}" | median)
  n=$(printf '%s\n' "${new[@]}" | median)
  times() { awk -v o="$o" -v n="$1" 'BEGIN {printf "%.1f", o / n}'; }
  also=""
  if [ -n "$control" ]; then
    c=$(printf '%s\n' "${ctl[@]}" | median)
    also=", $control ${c} s ($(times "$c") times)"
  fi
  echo "$folder ($(ls "$folder" | wc -l) inputs): earlier ${o} s${also}, now ${n} s, $(times "$n") times faster"
done

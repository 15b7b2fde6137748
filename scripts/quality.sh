#!/usr/bin/env bash
# The quality gates beyond the ordinary test build: sanitizers, event fuzzing, soak, valgrind.
#
#   scripts/quality.sh build asan|fuzz   only builds what `asan` or `fuzz` runs
#   scripts/quality.sh asan              unit and widget tests built with ASan + UBSan (build-asan)
#   scripts/quality.sh fuzz [SECONDS] [RUNS] [WORKERS]  the event fuzzer for SECONDS (default 60)
#                                        or until it has run RUNS sequences, whichever comes first,
#                                        in WORKERS processes side by side (default 1) (build-fuzz)
#   scripts/quality.sh soak [CYCLES]     build-solve-replay cycles with a memory bound, default 100000 (build-qa)
#   scripts/quality.sh valgrind          the window under valgrind memcheck on a private Xvfb (build-qa)
#
# scripts/test.sh runs `asan` and a one-minute `fuzz`; the others are the long runs.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
jobs=$(nproc)
[ "$jobs" -gt 2 ] && jobs=2

stage=${1:-}
shift || true

qa_build() {
  cmake -S . -B build-qa -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLVANE_BENCH=OFF >/dev/null
  cmake --build build-qa -j"$jobs" --target "$@"
}

asan_build() {
  # gcc's sanitizers; any undefined behaviour aborts the test instead of printing and going on.
  flags="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
  # -O1 keeps the sanitized tests quick; Debug keeps assertions on.
  cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g1 -O1" -DTOLVANE_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
  cmake --build build-asan -j"$jobs" --target core_tests widget_tests
}

fuzz_build() {
  cmake -S fuzz -B build-fuzz -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
  cmake --build build-fuzz -j"$jobs"
}

case "$stage" in
build)
  for what in "$@"; do
    case "$what" in
    asan) asan_build ;;
    fuzz) fuzz_build ;;
    *) echo "quality.sh build: asan or fuzz, not '$what'" >&2; exit 2 ;;
    esac
  done
  ;;

asan)
  asan_build
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1"
  export LSAN_OPTIONS="suppressions=$root/tests/quality/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
  echo "asan: core_tests"
  build-asan/tests/core_tests --gtest_brief=1
  echo "asan: widget_tests"
  QT_QPA_PLATFORM=offscreen build-asan/tests/widget_tests --gtest_brief=1
  ;;

fuzz)
  seconds=${1:-60}
  runs=${2:--1}
  workers=${3:-1}
  fuzz_build
  # The corpus stays in the build directory, so later runs start from what earlier ones found;
  # fuzz/seeds holds a few hand-made sequences (a whole replay, a replay cut short and
  # restarted, clicks on the start-up frame) so that even a short run begins with them.
  mkdir -p build-fuzz/corpus
  log=build-fuzz/fuzz.log
  echo "fuzz: event_fuzzer for ${seconds} s$([ "$runs" -ge 0 ] && echo " or $runs sequences")$([ "$workers" -gt 1 ] && echo " in $workers workers") (log: $log)"
  # Workers are libFuzzer's fork mode: fresh processes sharing the corpus, one a core.
  fork=()
  [ "$workers" -gt 1 ] && fork=(-fork="$workers")
  # 512 bytes hold a few hundred events: enough for several builds, searches and whole replays.
  if ! build-fuzz/event_fuzzer "${fork[@]}" -max_total_time="$seconds" -runs="$runs" -max_len=512 -timeout=30 -rss_limit_mb=1024 \
      -print_final_stats=1 -artifact_prefix=build-fuzz/ build-fuzz/corpus fuzz/seeds >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "fuzz: FAILED; the crashing input is build-fuzz/crash-*; replay it with build-fuzz/event_fuzzer FILE"
    exit 1
  fi
  grep -E '^(Done|#[0-9]+[[:space:]]+DONE|INFO: fuzzed for|stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb))' "$log" ||
    tail -n 5 "$log"
  ;;

soak)
  cycles=${1:-100000}
  qa_build soak
  QT_QPA_PLATFORM=offscreen build-qa/soak/soak --cycles "$cycles"
  ;;

valgrind)
  qa_build Tolvane
  tests/quality/valgrind_gui.sh build-qa/src/Tolvane build-qa/valgrind
  ;;

*)
  sed -n '2,11p' "$0" | sed 's/^# \{0,1\}//'
  exit 2
  ;;
esac

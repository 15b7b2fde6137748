#!/usr/bin/env bash
# Sets up, builds and runs every test of Tolvane.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh test
took() { echo "test.sh: $1 took $((SECONDS - $2)) s"; }
start=$SECONDS
# Optimised as the program ships, but without debug information: the tests need none, and
# writing it is a quarter of the compiler's time.
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -DNDEBUG" \
  -DTOLVANE_TESTS=ON -DTOLVANE_BENCH=ON >/dev/null
cmake --build build -j"$(nproc)"
took "the test build" "$start"
# The sanitizer and fuzzer builds go on beside the tests, at low priority: much of the ctest
# run waits on X servers, timers and child programs, and the tests keep the CPU they need.
start=$SECONDS
nice -n 10 scripts/quality.sh build asan fuzz >build/qa-build.log 2>&1 &
building=$!
tested=0
ctest --test-dir build --output-on-failure -j"$(nproc)" 2>&1 | tee build/ctest.log || tested=$?
took "ctest" "$start"
built=0
wait "$building" || built=$?
took "ctest and the sanitizer and fuzzer builds" "$start"
[ "$tested" -eq 0 ] || exit 1
if [ "$built" -ne 0 ]; then
  tail -n 40 build/qa-build.log
  echo "test.sh: the sanitizer or fuzzer build failed (build/qa-build.log)"
  exit 1
fi
# The unit and widget tests under ASan and UBSan, and beside them a minute of event fuzzing,
# which takes a minute however busy the machine is; its lines follow the sanitizers' once both
# are done. The long runs are in tests/README.md.
start=$SECONDS
scripts/quality.sh fuzz 60 >build/fuzz-gate.log 2>&1 &
fuzzing=$!
asan=0
scripts/quality.sh asan || asan=$?
fuzz=0
wait "$fuzzing" || fuzz=$?
cat build/fuzz-gate.log
took "the sanitizer tests and the fuzz minute" "$start"
[ "$asan" -eq 0 ] && [ "$fuzz" -eq 0 ] || exit 1
# End on the test count, so that the run's last line says what ran.
grep -E '^[0-9]+% tests passed' build/ctest.log

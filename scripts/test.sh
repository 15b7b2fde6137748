#!/usr/bin/env bash
# Sets up, builds and runs every test of Tolvane.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh test
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLVANE_TESTS=ON -DTOLVANE_BENCH=ON >/dev/null
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)" 2>&1 | tee build/ctest.log
# The gates that need builds of their own: the unit and widget tests under ASan and UBSan,
# and beside them a minute of event fuzzing, which takes a minute however busy the machine
# is; its lines follow the sanitizers' once both are done. The long runs are in the README.
scripts/quality.sh fuzz 60 >build/fuzz-gate.log 2>&1 &
fuzzing=$!
asan=0
scripts/quality.sh asan || asan=$?
fuzz=0
wait "$fuzzing" || fuzz=$?
cat build/fuzz-gate.log
[ "$asan" -eq 0 ] && [ "$fuzz" -eq 0 ] || exit 1
# End on the test count, so that the run's last line says what ran.
grep -E '^[0-9]+% tests passed' build/ctest.log

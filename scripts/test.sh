#!/usr/bin/env bash
# Sets up, builds and runs every test of Tolvane.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh test
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLVANE_TESTS=ON -DTOLVANE_BENCH=ON >/dev/null
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)" 2>&1 | tee build/ctest.log
# The gates that need builds of their own: the unit and widget tests under ASan and UBSan,
# then a minute of event fuzzing. The long runs are documented in the README.
scripts/quality.sh asan
scripts/quality.sh fuzz 60
# End on the test count, so that the run's last line says what ran.
grep -E '^[0-9]+% tests passed' build/ctest.log

#!/usr/bin/env bash
# Sets up, builds and starts Tolvane.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh run
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLVANE_TESTS=OFF -DTOLVANE_BENCH=OFF >/dev/null
cmake --build build --target Tolvane -j"$(nproc)"
exec build/src/Tolvane

#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test (unit tests
# and real-window tests under Xvfb), ending with CTest's summary.
#   scripts/test.sh              release build in build/
#   scripts/test.sh --sanitize   AddressSanitizer + UndefinedBehaviorSanitizer build in build-sanitize/
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install_deps.sh --test

if [[ "${1:-}" == "--sanitize" ]]; then
  build=build-sanitize
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCURVIX_SANITIZE=ON \
        -DCURVIX_BENCHMARKS=OFF
else
  build=build
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release
fi
cmake --build "$build" -j"$(nproc)"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"

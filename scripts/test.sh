#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test (unit tests
# and real-window tests under Xvfb), ending with CTest's summary.
#   scripts/test.sh              release build in build/
#   scripts/test.sh --sanitize   AddressSanitizer + UndefinedBehaviorSanitizer build in build-sanitize/
#   scripts/test.sh --clang      the unit tests built with Clang in build-clang/
# CURVIX_WERROR=ON (set by CI) turns compiler warnings into errors.
#
# build/ is the run command's folder too: this script only adds options that
# the run command leaves alone (CMake keeps them cached), so running one after
# the other rebuilds nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install_deps.sh --test
bash scripts/check_layers.sh

options=(-DCURVIX_REQUIRE_WINDOW_TESTS=ON -DCURVIX_WERROR="${CURVIX_WERROR:-OFF}")
python=(-DCURVIX_REQUIRE_PYTHON_MODULE=ON)
labels=()
if [[ "${1:-}" == "--clang" ]]; then
  bash scripts/install_deps.sh --clang
  build=build-clang
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=clang++ \
        -DCURVIX_BENCHMARKS=OFF -DCURVIX_PYTHON_MODULE=OFF "${options[@]}"
  labels=(-L unit)
elif [[ "${1:-}" == "--sanitize" ]]; then
  build=build-sanitize
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCURVIX_SANITIZE=ON \
        -DCURVIX_BENCHMARKS=OFF "${options[@]}"
  # The guides' examples check the documents, not the code: the plain build
  # runs them once, and the sanitizers would only make their sweeps slow.
  labels=(-LE docs)
else
  build=build
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release "${options[@]}" "${python[@]}"
fi
cmake --build "$build" -j"$(nproc)"

# Every test works in a folder of its own under TMPDIR and removes it, also
# when it fails. The run gets a TMPDIR of its own, so whatever a test leaves
# behind shows, and two runs at once share nothing.
scratch=$(mktemp -d "${TMPDIR:-/tmp}/curvix-test-run-XXXXXX")
status=0
TMPDIR=$scratch ctest --test-dir "$build" --output-on-failure -j"$(nproc)" "${labels[@]}" || status=$?
if [[ ${CURVIX_KEEP_WINDOW_DIRS:-} == 1 ]]; then
  echo "test.sh: the window sessions' folders are kept in $scratch"
  exit "$status"
fi
leftovers=$(ls -A "$scratch")
rm -rf "$scratch"
if [[ -n $leftovers ]]; then
  echo "test.sh: the tests left behind in the temporary folder:" $leftovers >&2
  exit 1
fi
exit "$status"

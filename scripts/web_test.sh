#!/usr/bin/env bash
# The browser tests: installs what is missing (Emscripten and the page's
# build through web.sh, the native replay's build tools, Chromium, Node.js and
# the test packages), builds the page and the native session replay, and runs
# tests/web/*.test.mjs in headless Chromium. Needs no display; exits non-zero
# on any failure and closes with "N passed, N failed". The tests' temporary
# files (Chromium profiles, native replays, downloads) go to a folder of this
# run's own, which must be empty when they end: anything left there counts as
# one more failure.
set -euo pipefail
cd "$(dirname "$0")/.."

# A machine may carry its own Node.js (with npm) outside Debian's packages.
groups=(--browser)
command -v node > /dev/null && command -v npm > /dev/null || groups+=(--node)
bash scripts/install_deps.sh "${groups[@]}"

bash scripts/web.sh --build
cmake -S . -B build-web-native -DCMAKE_BUILD_TYPE=Release -DCURVIX_BENCHMARKS=OFF \
  > build-web-native.log 2>&1 || { cat build-web-native.log; exit 1; }
cmake --build build-web-native -j2 --target session_replay >> build-web-native.log 2>&1 ||
  { tail -40 build-web-native.log; exit 1; }
mv build-web-native.log build-web-native/build.log

cd tests/web
if [[ ! -f node_modules/.package-lock.json || package-lock.json -nt node_modules/.package-lock.json ]]; then
  npm ci --no-audit --no-fund
fi

export CURVIX_WEB_TIMING_FILE="$PWD/../../build-web/drag_timing.txt"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# One file at a time: each starts its own browser, and the machine may be small.
passed=0
failed=0
for file in numbers.test.mjs editing.test.mjs console.test.mjs construction.test.mjs export.test.mjs \
            touch.test.mjs timing.test.mjs; do
  report=$(mktemp)
  status=0
  TMPDIR="$scratch" node --test --test-reporter=tap "$file" | tee "$report" || status=$?
  file_passed=$(grep -E '^# pass [0-9]+' "$report" | tail -1 | awk '{print $3}')
  file_failed=$(grep -E '^# fail [0-9]+' "$report" | tail -1 | awk '{print $3}')
  rm -f "$report"
  file_failed=${file_failed:-0}
  # A file that crashed before its counts still counts as a failure.
  [[ $status -ne 0 && $file_failed -eq 0 ]] && file_failed=1
  passed=$((passed + ${file_passed:-0}))
  failed=$((failed + file_failed))
done
if [[ -n "$(ls -A "$scratch")" ]]; then
  echo "web: the tests left files in their temporary folder:" $(ls -A "$scratch")
  failed=$((failed + 1))
fi
[[ -f "$CURVIX_WEB_TIMING_FILE" ]] && cat "$CURVIX_WEB_TIMING_FILE"
echo "web: $passed passed, $failed failed"
[[ $failed -eq 0 && $passed -gt 0 ]]

#!/usr/bin/env bash
# Builds curvix-lab's libFuzzer target with clang (address and undefined
# behaviour sanitizers) and runs it for a bounded time.
#
#   scripts/fuzz_lab.sh [SECONDS [PROCESSES]]     (default 300 seconds, 1 process)
#
# With more than one process, that many independent fuzzers share the corpus
# folder (libFuzzer's -jobs and -workers); each writes its log to
# build-fuzz/fuzz-N.log, and the script adds up their executions at the end.
# One input is a command line and standard input (fuzz/lab_fuzz.cpp gives the
# encoding and the contract it checks); no file is read or written. The
# corpus starts from real command lines written below and from the
# regression seeds in fuzz/lab_seeds/ (past findings), and grows in
# build-fuzz/lab_corpus/; findings land in build-fuzz/lab_findings/ and fail
# the script (a timeout only when it repeats alone, see below).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-300}
processes=${2:-1}
out=$root/build-fuzz
seeds=$out/lab_seeds
timeout_seconds=600  # per input: the largest requests the caps allow take some ten seconds
                     # in the plain build and twenty times that under the sanitizers
rss_limit_mb=2048   # the caps keep every command well below this

bash "$root/scripts/install_deps.sh" --fuzz
cmake -S "$root/fuzz" -B "$out" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$out" -j2 --target lab_fuzz

# Findings are those of this run: keep a reproducer elsewhere (fuzz/lab_seeds/).
rm -rf "$seeds" "$out/lab_findings"
mkdir -p "$seeds" "$out/lab_corpus" "$out/lab_findings"

# seed NAME [ARG...] [-- STANDARD-INPUT]: the arguments NUL-separated, then a
# double NUL and the input.
seed() {
  local name=$1 input="" first=1
  shift
  {
    while [[ $# -gt 0 && $1 != "--" ]]; do
      [[ $first -eq 1 ]] || printf '\0'
      printf '%s' "$1"
      first=0
      shift
    done
    if [[ $# -gt 0 ]]; then
      shift
      input=$1
      printf '\0\0%s' "$input"
    fi
  } > "$seeds/$name"
}
square=$'0,0\n100,0\n100,50\n0,50\n'
star=$(cat "$root/docs/examples/star.txt")

seed mask_rbf4_sweep mask --scheme rbf4 --sweep r=0.5:2:0.5 --format csv
seed mask_rbf6_params mask --scheme rbf6 --basis gs --r 2 --pd 2 --params 0,1,2,3.5,4,5 --format json
seed mask_nr4 mask --scheme nr4 --w 0.1
seed refine_dd refine --scheme dd --levels 3 -- "$square"
seed refine_rbf6 refine --scheme rbf6 --levels 2 --stationary --all-levels --format svg - -- "$star"
seed refine_knots refine --scheme rbf4 --basis mq3 --knots 0,1,3,4 --format=csv -- "$square"
seed curve_lagrange curve --kind lagrange --samples 3 --knots 0,1,2,3,4,5,6,7,8,9 -- "$star"
seed curve_rbf curve --kind rbf --basis mq3 --samples 20 --format svg --output picture.svg -- "$square"
seed curve_bezier curve --kind bezier --samples 5 --format json -- $'# two\n1 2\n3\t4\n'
seed smoothness_dd smoothness --scheme dd
seed smoothness_weights smoothness --weights -0.0625,0.5625,0.5625,-0.0625 --depth 6 --format csv
seed smoothness_rbf4 smoothness --scheme rbf4 --c 2 --depth 5 --format json
seed mask_fractions mask --mask 09/16,1,07/16,0 --arity 3
seed smoothness_mask smoothness --mask -1/16,0,9/16,1,9/16,0,-1/16 --depth 3 --format json
seed smoothness_ternary smoothness --scheme ternary4 --mu 1/13 --depth 2
seed smoothness_mu_sweep smoothness --scheme ternary4 --sweep mu=0.07:0.1:0.01 --depth 2 --format svg
seed limit_chaikin limit --scheme chaikin --levels 3 --format json
seed limit_bspline limit --scheme bspline --degree 4 --format svg
seed refine_curvature refine --scheme dual4 --curvature --format svg -- "$square"
seed help refine --help
seed no_command

parallel=()
[[ $processes -gt 1 ]] && parallel=(-jobs="$processes" -workers="$processes")
rm -f "$out"/fuzz-*.log
status=0
cd "$out"
nice -n 19 "$out/lab_fuzz" "${parallel[@]}" -max_total_time="$seconds" -timeout="$timeout_seconds" \
  -rss_limit_mb="$rss_limit_mb" -artifact_prefix="$out/lab_findings/" -print_final_stats=1 \
  "$out/lab_corpus" "$seeds" "$root/fuzz/lab_seeds" || status=$?
if [[ $processes -gt 1 ]]; then
  cat "$out"/fuzz-*.log
  awk '/stat::number_of_executed_units/ { total += $2 } END { print "executions in all: " total }' \
    "$out"/fuzz-*.log
fi
[[ $status -eq 0 ]] && exit 0

# The limit is wall-clock time, and at nice 19 on a busy machine an input can
# wait longer for the processor than it runs. A timeout is therefore replayed
# alone at normal priority, and is a finding only if it times out again.
for unit in "$out"/lab_findings/timeout-*; do
  [[ -e $unit ]] || continue
  if "$out/lab_fuzz" -timeout="$timeout_seconds" -rss_limit_mb="$rss_limit_mb" "$unit"; then
    echo "fuzz_lab.sh: $unit ran in time when replayed alone: the processor was busy, not a hang"
    mv "$unit" "$out/lab_corpus/"
  else
    exit 1
  fi
done
# Whatever else stopped the run (a crash, a leak, too much memory) is a
# finding; slow-unit files are only libFuzzer's notes.
if ls "$out/lab_findings" | grep -qv '^slow-unit-'; then exit "$status"; fi
